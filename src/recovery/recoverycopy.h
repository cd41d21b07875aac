#pragma once

#include "settingssnapshot.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QString>

#include <memory>
#include <optional>

class Settings;

// The unsaved state of one settings file as it was kept on disk while the
// editor ran: which file it belongs to, when it was taken and the store's
// snapshot. The file's image is not part of it; restoring loads the
// original file and lays the snapshot over it.
struct RecoveryCopy
{
    Q_DECLARE_TR_FUNCTIONS(RecoveryCopy)

public:
    QString originalPath;
    QDateTime copiedAt;
    // The receiver model the state was taken from; a snapshot laid over a
    // file of the other model would not fit its tables.
    QString model;
    SettingsSnapshot snapshot;
    // Where the copy was read from; empty for one not read from disk.
    QString copyPath;

    // The store's state now, as the copy of the file at originalPath.
    [[nodiscard]] static RecoveryCopy of(const Settings &settings, const QString &originalPath);

    QByteArray toBytes() const;
    // Refuses bytes that are cut short, altered or of another layout.
    [[nodiscard]] static std::optional<RecoveryCopy> fromBytes(const QByteArray &bytes);

    // Replaces the file at path only once the whole copy is written, so a
    // crash during the write leaves the previous copy; empty or why not.
    QString writeTo(const QString &path) const;
    // The copy at path, or nothing with the reason.
    [[nodiscard]] static std::optional<RecoveryCopy> readFrom(const QString &path, QString *reason);

    // The original file loaded with the copied state laid over it, or null
    // with the reason (the original is gone, no longer a settings file, or
    // the snapshot does not fit it).
    [[nodiscard]] std::unique_ptr<Settings> restoredStore(QString *reason) const;
};
