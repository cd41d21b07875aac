#pragma once

#include <QCoreApplication>
#include <QSet>
#include <QString>

#include <functional>
#include <memory>

class QFile;
class QSaveFile;
class Settings;

// What became of one save, for the caller to show.
struct SaveOutcome
{
    bool ok = false;
    // Whether the file on disk now differs from before the save; false
    // whenever the save was refused or cut short, since those never commit.
    bool fileChanged = false;
    // A full sentence for the user, empty when ok.
    QString message;
    // The cause alone, for a caller that names the file itself.
    QString reason;
    // The copy of the file as it was before this session first wrote over
    // it, or empty when there is none (a file this session created).
    QString backupPath;
};

// Writes a store to a file so that nothing the user had can be lost: the
// first time it writes over an existing file it keeps a byte-for-byte copy
// of that file beside it, the write replaces the file only when complete,
// and the file is read back and compared with the image afterwards. One
// saver is one session: it remembers which files it has already backed up,
// so later saves keep the original rather than an intermediate state.
class SafeSaver
{
    Q_DECLARE_TR_FUNCTIONS(SafeSaver)

public:
    using WriteDeviceFactory = std::function<std::unique_ptr<QSaveFile>(const QString &name)>;
    using ReadDeviceFactory = std::function<std::unique_ptr<QFile>(const QString &name)>;

    SafeSaver();

    [[nodiscard]] SaveOutcome save(Settings &settings, const QString &name);

    // Where the backup of a file goes.
    static QString backupPathFor(const QString &name);

    // The devices the image is written through and read back from; tests
    // replace them to play a full disk or a file that reads back wrong.
    void setWriteDeviceFactory(WriteDeviceFactory factory) { m_writeDevice = std::move(factory); }
    void setReadDeviceFactory(ReadDeviceFactory factory) { m_readDevice = std::move(factory); }

private:
    // Copies the file to its backup unless this session already did, or
    // the file is one this session created; returns why it failed, or empty.
    QString backUpOnce(const QString &path, SaveOutcome &outcome);
    QString writeImage(Settings &settings, const QString &name, const QByteArray &image);
    QString verify(const QString &name, const QByteArray &image);

    WriteDeviceFactory m_writeDevice;
    ReadDeviceFactory m_readDevice;
    // Absolute paths written or backed up in this session.
    QSet<QString> m_handledPaths;
    QSet<QString> m_backedUpPaths;
};
