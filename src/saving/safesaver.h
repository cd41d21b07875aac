#pragma once

#include "saving/filestamp.h"

#include <QCoreApplication>
#include <QHash>
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
    // Nothing was written because another program changed the file since
    // this session last read or wrote it; ask before saving over it.
    bool changedOnDisk = false;
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
// so later saves keep the original rather than an intermediate state, and
// what each file held when it last read or wrote it, so that it never saves
// over another program's changes unasked.
class SafeSaver
{
    Q_DECLARE_TR_FUNCTIONS(SafeSaver)

public:
    using WriteDeviceFactory = std::function<std::unique_ptr<QSaveFile>(const QString &name)>;
    using ReadDeviceFactory = std::function<std::unique_ptr<QFile>(const QString &name)>;

    // What to do with a file another program changed since it was read.
    enum class Changes { Refuse, Overwrite };

    SafeSaver();

    // A file whose changes by another program the user chose to overwrite
    // gets no backup from this save: the backup only ever holds a version
    // this session read, and one it already took is kept.
    [[nodiscard]] SaveOutcome save(
        Settings &settings, const QString &name, Changes changes = Changes::Refuse);
    // The file at name was read as it is stamped: a save refuses to write
    // over it once it holds something else. Take the stamp before reading.
    void remember(const QString &name, const FileStamp &stamp);

    // Where the backup of a file goes.
    static QString backupPathFor(const QString &name);

    // The devices the image is written through and read back from; tests
    // replace them to play a full disk or a file that reads back wrong.
    void setWriteDeviceFactory(WriteDeviceFactory factory) { m_writeDevice = std::move(factory); }
    void setReadDeviceFactory(ReadDeviceFactory factory) { m_readDevice = std::move(factory); }

private:
    // Refuses a file another program changed unless told to overwrite it,
    // and backs up one this session read; returns why it refused, or empty.
    QString prepareBackup(const QString &path, Changes changes, SaveOutcome &outcome);
    // Copies the file to its backup unless this session already did, or
    // the file is one this session created; returns why it failed, or empty.
    QString backUpOnce(const QString &path, SaveOutcome &outcome);
    QString copyToBackup(QFile &original, const QString &path, const QString &backup);
    // touched tells whether the file may have been changed even so.
    QString writeFile(Settings &settings, const QString &name, const QByteArray &image,
        const SaveOutcome &outcome, bool *touched);
    QString writeImage(Settings &settings, const QString &name, const QByteArray &image);
    // For a file with several names: a rename would leave the other names
    // with the old content. Only done with a backup to fall back on.
    QString writeInPlace(Settings &settings, const QString &name, const QByteArray &image, bool *touched);
    QString verify(const QString &name, const QByteArray &image);

    WriteDeviceFactory m_writeDevice;
    ReadDeviceFactory m_readDevice;
    // Absolute paths written or backed up in this session.
    QSet<QString> m_handledPaths;
    QSet<QString> m_backedUpPaths;
    // What each file held when this session last read or wrote it.
    QHash<QString, FileStamp> m_stamps;
};
