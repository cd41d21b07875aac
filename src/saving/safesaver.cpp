#include "saving/safesaver.h"

#include "formats/recognizesettings.h"
#include "saving/fileownership.h"
#include "store/settings.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include <unistd.h>

namespace {

QString displayName(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString systemReason()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Why a file took fewer bytes than it was given. A short write carries no
// reason of its own, so the file is offered one byte more at its end: the
// system then says why (a full disk, a quota, a size limit). The file is
// given up afterwards anyway.
QString refusalReason(QFileDevice &file)
{
    if (file.error() != QFileDevice::NoError)
        return file.errorString();
    file.flush();
    const int descriptor = file.handle();
    const char zero = 0;
    if (descriptor < 0 || ::lseek(descriptor, 0, SEEK_END) < 0 || ::write(descriptor, &zero, 1) >= 0)
        return QString();
    return systemReason();
}

// The system's reasons come without a full stop; the user reads sentences.
QString sentence(const QString &text)
{
    if (text.isEmpty() || text.endsWith(u'.') || text.endsWith(u'!') || text.endsWith(u'?'))
        return text;
    return text + u'.';
}

bool syncToDisk(QFileDevice &file)
{
    return file.flush() && ::fsync(file.handle()) == 0;
}

} // namespace

SafeSaver::SafeSaver()
    : m_writeDevice([](const QString &name) { return std::make_unique<QSaveFile>(name); })
    , m_readDevice([](const QString &name) { return std::make_unique<QFile>(name); })
{ }

QString SafeSaver::backupPathFor(const QString &name)
{
    return name + QStringLiteral(".bak");
}

void SafeSaver::remember(const QString &name, const FileStamp &stamp)
{
    m_stamps.insert(QFileInfo(name).absoluteFilePath(), stamp);
}

SaveOutcome SafeSaver::save(Settings &settings, const QString &name, Changes changes)
{
    SaveOutcome outcome;
    const QString path = QFileInfo(name).absoluteFilePath();
    const auto refuse = [&outcome, &name](const QString &reason) {
        outcome.reason = sentence(reason);
        outcome.message
            = tr("%1 was not saved; the file is unchanged.").arg(displayName(name)) + u'\n' + outcome.reason;
        if (!outcome.backupPath.isEmpty())
            outcome.message
                += u'\n' + tr("Its original is also kept in %1.").arg(displayName(outcome.backupPath));
        return outcome;
    };

    const QByteArray *image = settings.fileImage();
    if (!image)
        return refuse(tr("These settings have no file image that could be checked after writing."));
    QString reason = prepareBackup(path, changes, outcome);
    if (!reason.isEmpty())
        return refuse(reason);
    bool touched = false;
    reason = writeFile(settings, name, *image, outcome, &touched);
    if (!reason.isEmpty() && !touched)
        return refuse(reason);
    outcome.fileChanged = true;
    m_handledPaths.insert(path);
    m_stamps.insert(path, FileStamp::of(path));
    const auto damaged = [&outcome](const QString &what, const QString &reason) {
        outcome.reason = reason;
        outcome.message = what + u'\n';
        if (outcome.backupPath.isEmpty())
            outcome.message += tr("The file may be damaged: save again, or save under another name.");
        else
            outcome.message += tr("The file may be damaged; its original is kept in %1. Save again, or "
                                  "save under another name.")
                                   .arg(displayName(outcome.backupPath));
        return outcome;
    };
    if (!reason.isEmpty())
        return damaged(tr("%1 could not be written whole: %2").arg(displayName(name), sentence(reason)),
            tr("it could not be written whole: %1").arg(sentence(reason)));
    reason = verify(name, *image);
    if (!reason.isEmpty())
        return damaged(tr("%1 was saved, but reading it back found %2.").arg(displayName(name), reason),
            tr("reading it back found %1").arg(reason));
    outcome.ok = true;
    return outcome;
}

QString SafeSaver::prepareBackup(const QString &path, Changes changes, SaveOutcome &outcome)
{
    const FileStamp known = m_stamps.value(path);
    if (known.isNull() || FileStamp::of(path).sameContentAs(known))
        return backUpOnce(path, outcome);
    if (changes == Changes::Refuse) {
        outcome.changedOnDisk = true;
        return tr("Another program changed it since it was opened or saved here.");
    }
    // What is there now was never read here, so it is not what the backup
    // is for; a backup of what this session read stays as it is.
    m_handledPaths.insert(path);
    if (m_backedUpPaths.contains(path))
        outcome.backupPath = backupPathFor(path);
    return QString();
}

QString SafeSaver::backUpOnce(const QString &path, SaveOutcome &outcome)
{
    const QString backup = backupPathFor(path);
    if (m_backedUpPaths.contains(path)) {
        outcome.backupPath = backup;
        return QString();
    }
    // A file this session created holds nothing of the user's yet, and a
    // missing one nothing at all.
    const QFileInfo target(path);
    if (m_handledPaths.contains(path) || !target.exists())
        return QString();
    // Reading a pipe or a device to back it up could block or never end.
    if (!target.isFile())
        return tr("It is not a regular file, so it is not replaced.");

    QFile original(path);
    if (!original.open(QIODevice::ReadOnly))
        return tr("It could not be read to make its backup: %1").arg(sentence(original.errorString()));
    const QString reason = copyToBackup(original, path, backup);
    if (!reason.isEmpty())
        return reason;
    m_backedUpPaths.insert(path);
    m_handledPaths.insert(path);
    outcome.backupPath = backup;
    return QString();
}

QString SafeSaver::copyToBackup(QFile &original, const QString &path, const QString &backup)
{
    const QString failed = tr("Its backup %1 could not be written").arg(displayName(backup));
    // Written under a passing name and renamed into place, so that a link
    // in the backup's place is itself replaced, never the file it points to.
    QTemporaryFile copy(backup + QStringLiteral(".XXXXXX"));
    if (!copy.open())
        return failed + u": " + sentence(copy.errorString());
    if (const std::optional<FileOwnership> ownership = FileOwnership::of(path))
        ownership->applyTo(copy.handle());
    // Copied in pieces: the file being replaced may be anything the user
    // picked, not only a settings image.
    QCryptographicHash hash(FileStamp::algorithm);
    qint64 copied = 0;
    while (!original.atEnd()) {
        const QByteArray piece = original.read(1 << 16);
        if (piece.isEmpty() || copy.write(piece) != piece.size())
            break;
        hash.addData(piece);
        copied += piece.size();
    }
    if (original.error() != QFileDevice::NoError)
        return tr("It could not be read to make its backup: %1").arg(sentence(original.errorString()));
    if (copied != original.size()) {
        const QString reason = refusalReason(copy);
        return failed + u": "
            + tr("only %1 of %2 bytes were written; the disk may be full.").arg(copied).arg(original.size())
            + (reason.isEmpty() ? QString() : u' ' + sentence(reason));
    }
    if (!syncToDisk(copy))
        return failed + u": " + sentence(systemReason());
    // What was read may have changed in the moment since it was compared.
    const FileStamp known = m_stamps.value(path);
    if (!known.isNull() && (copied != known.size || hash.result() != known.hash))
        return tr("Another program changed it while it was being saved.");
    if (std::rename(QFile::encodeName(copy.fileName()).constData(), QFile::encodeName(backup).constData())
        != 0)
        return failed + u": " + sentence(systemReason());
    copy.setAutoRemove(false);
    return QString();
}

QString SafeSaver::writeFile(Settings &settings, const QString &name, const QByteArray &image,
    const SaveOutcome &outcome, bool *touched)
{
    const std::optional<FileOwnership> ownership = FileOwnership::of(name);
    if (ownership && ownership->linkCount() > 1 && !outcome.backupPath.isEmpty()
        && QFileInfo(outcome.backupPath).isFile())
        return writeInPlace(settings, name, image, touched);
    return writeImage(settings, name, image);
}

QString SafeSaver::writeImage(Settings &settings, const QString &name, const QByteArray &image)
{
    const std::optional<FileOwnership> ownership = FileOwnership::of(name);
    const std::unique_ptr<QSaveFile> file = m_writeDevice(name);
    if (!file->open(QIODevice::WriteOnly))
        return file->errorString();
    // The new file replaces the old one: it must not change who may read it.
    if (ownership)
        ownership->applyTo(file->handle());
    const qint64 written = settings.save(file.get());
    // size() flushes, so bytes a full disk refused show here at the latest.
    const qint64 onDisk = file->size();
    if (written < 0 && onDisk == 0 && file->error() == QFileDevice::NoError) {
        // The store refused before writing anything, and says why.
        file->cancelWriting();
        return settings.errorString();
    }
    // The image is only known once the store has written it.
    if (written != image.size() || onDisk != image.size()) {
        // Found before cancelling, which puts its own words in their place.
        const QString detail = refusalReason(*file);
        file->cancelWriting();
        const QString reason
            = tr("Only %1 of %2 bytes could be written; the disk may be full.").arg(onDisk).arg(image.size());
        return detail.isEmpty() ? reason : reason + u' ' + sentence(detail);
    }
    if (!file->commit())
        return file->errorString();
    return QString();
}

QString SafeSaver::writeInPlace(
    Settings &settings, const QString &name, const QByteArray &image, bool *touched)
{
    // The store writes to a scratch file first: if it refuses, or the disk
    // is full, the file itself is still as it was.
    QTemporaryFile scratch;
    if (!scratch.open())
        return scratch.errorString();
    const qint64 written = settings.save(&scratch);
    if (written < 0 || written != image.size() || !scratch.flush())
        return written < 0 ? settings.errorString()
                           : tr("Only %1 of %2 bytes could be written; the disk may be full.")
                                 .arg(qMax<qint64>(written, 0))
                                 .arg(image.size());
    QFile file(name);
    if (!file.open(QIODevice::ReadWrite))
        return file.errorString();
    *touched = true;
    if (file.write(image) != image.size() || !file.resize(image.size()) || !syncToDisk(file))
        return file.errorString();
    return QString();
}

QString SafeSaver::verify(const QString &name, const QByteArray &image)
{
    const std::unique_ptr<QFile> file = m_readDevice(name);
    if (!file->open(QIODevice::ReadOnly))
        return tr("that it cannot be read: %1").arg(file->errorString());
    const QByteArray bytes = file->readAll();
    if (bytes.size() != image.size())
        return tr("%1 bytes where %2 were written").arg(bytes.size()).arg(image.size());
    if (bytes != image) {
        qsizetype at = 0;
        while (bytes.at(at) == image.at(at))
            ++at;
        return tr("a different byte at offset %1").arg(at);
    }
    if (!file->seek(0))
        return tr("that it cannot be read again: %1").arg(file->errorString());
    const std::unique_ptr<Settings> reloaded(recognizeSettings(file.get()));
    if (!reloaded)
        return tr("that it is not recognised as a settings file");
    return QString();
}
