#pragma once

#include "saving/filestamp.h"
#include "snapshot/settingssnapshot.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QString>

#include <memory>
#include <optional>

class Settings;

// The unsaved state of one settings file as it was kept on disk while the
// editor ran: which file it belongs to, what that file held then, when it
// was taken and the store's snapshot with the image it lays over. Restoring
// lays the snapshot over the file when it is still as it was, and over the
// kept image otherwise, so that a file changed since is never overlaid.
struct RecoveryCopy
{
    Q_DECLARE_TR_FUNCTIONS(RecoveryCopy)

public:
    QString originalPath;
    QDateTime copiedAt;
    // The receiver model the state was taken from, by its stable name
    // ("HD"); a snapshot laid over a file of another model would not fit
    // its tables.
    QString model;
    SettingsSnapshot snapshot;
    // Where the copy was read from; empty for one not read from disk.
    QString copyPath;
    // The file as the editor last read or wrote it, and the image of the
    // store then. Copies of the first layout have neither.
    FileStamp source;
    QByteArray image;

    enum class FileState { Unchanged, Changed, Missing };
    // Whether the file still holds what the copy was taken from. A copy of
    // the first layout cannot tell and counts its file as unchanged.
    FileState fileState() const;

    // The store's state now, as the copy of the file at originalPath.
    [[nodiscard]] static RecoveryCopy of(
        const Settings &settings, const QString &originalPath, const FileStamp &source = {});

    QByteArray toBytes() const;
    // Refuses bytes that are cut short, altered or of another layout.
    [[nodiscard]] static std::optional<RecoveryCopy> fromBytes(const QByteArray &bytes);

    // Replaces the file at path only once the whole copy is written, so a
    // crash during the write leaves the previous copy; empty or why not.
    QString writeTo(const QString &path) const;
    // The copy at path, or nothing with the reason.
    [[nodiscard]] static std::optional<RecoveryCopy> readFrom(const QString &path, QString *reason);

    // What the copied state is laid over: the file while it is unchanged,
    // and the kept image otherwise; or null with the reason (the file is no
    // longer a settings file, or of another model).
    [[nodiscard]] std::unique_ptr<Settings> baseStore(QString *reason) const;
    // The copied state laid over baseStore(); or null with the reason.
    [[nodiscard]] std::unique_ptr<Settings> restoredStore(QString *reason) const;
};
