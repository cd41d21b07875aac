#include "safesaver.h"

#include "recognizesettings.h"
#include "settings.h"
#include "settingsflatbinary.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <memory>

namespace {

QString displayName(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// The device's own words, unless it has none worth showing.
QString deviceReason(const QFileDevice &device)
{
    return device.error() == QFileDevice::NoError ? QString() : device.errorString();
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

SaveOutcome SafeSaver::save(Settings &settings, const QString &name)
{
    SaveOutcome outcome;
    const QString path = QFileInfo(name).absoluteFilePath();
    const auto refuse = [&outcome, &name](const QString &reason) {
        outcome.reason = reason;
        outcome.message
            = tr("%1 was not saved; the file is unchanged.").arg(displayName(name)) + u'\n' + reason;
        if (!outcome.backupPath.isEmpty())
            outcome.message
                += u'\n' + tr("Its original is also kept in %1.").arg(displayName(outcome.backupPath));
        return outcome;
    };

    auto *flat = qobject_cast<SettingsFlatBinary *>(&settings);
    if (!flat)
        return refuse(tr("These settings have no file image that could be checked after writing."));
    QString reason = backUpOnce(path, outcome);
    if (!reason.isEmpty())
        return refuse(reason);
    reason = writeImage(settings, name, flat->image());
    if (!reason.isEmpty())
        return refuse(reason);
    outcome.fileChanged = true;
    m_handledPaths.insert(path);

    reason = verify(name, flat->image());
    if (!reason.isEmpty()) {
        outcome.reason = tr("reading it back found %1").arg(reason);
        outcome.message
            = tr("%1 was saved, but reading it back found %2.").arg(displayName(name), reason) + u'\n';
        if (outcome.backupPath.isEmpty())
            outcome.message += tr("The file may be damaged: save again, or save under another name.");
        else
            outcome.message += tr("The file may be damaged; its original is kept in %1. Save again, or "
                                  "save under another name.")
                                   .arg(displayName(outcome.backupPath));
        return outcome;
    }
    outcome.ok = true;
    return outcome;
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

    const QString failed = tr("Its backup %1 could not be written").arg(displayName(backup));
    QFile original(path);
    if (!original.open(QIODevice::ReadOnly))
        return tr("It could not be read to make its backup: %1").arg(original.errorString());
    QSaveFile copy(backup);
    if (!copy.open(QIODevice::WriteOnly))
        return failed + u": " + copy.errorString();
    // Copied in pieces: the file being replaced may be anything the user
    // picked, not only a settings image.
    qint64 copied = 0;
    while (!original.atEnd()) {
        const QByteArray piece = original.read(1 << 16);
        if (piece.isEmpty() || copy.write(piece) != piece.size())
            break;
        copied += piece.size();
    }
    if (original.error() != QFileDevice::NoError) {
        copy.cancelWriting();
        return tr("It could not be read to make its backup: %1").arg(original.errorString());
    }
    if (copied != original.size() || copy.size() != copied) {
        copy.cancelWriting();
        return failed + u": "
            + tr("only %1 of %2 bytes were written; the disk may be full.")
                  .arg(copy.size())
                  .arg(original.size());
    }
    if (!copy.commit())
        return failed + u": " + copy.errorString();
    m_backedUpPaths.insert(path);
    m_handledPaths.insert(path);
    outcome.backupPath = backup;
    return QString();
}

QString SafeSaver::writeImage(Settings &settings, const QString &name, const QByteArray &image)
{
    const std::unique_ptr<QSaveFile> file = m_writeDevice(name);
    if (!file->open(QIODevice::WriteOnly))
        return file->errorString();
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
        file->cancelWriting();
        QString reason
            = tr("Only %1 of %2 bytes could be written; the disk may be full.").arg(onDisk).arg(image.size());
        const QString detail = deviceReason(*file);
        return detail.isEmpty() ? reason : reason + u" (" + detail + u')';
    }
    if (!file->commit())
        return file->errorString();
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
