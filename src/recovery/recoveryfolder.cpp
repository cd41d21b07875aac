#include "recovery/recoveryfolder.h"

#include "store/settings.h"

#include <QDir>
#include <QFile>
#include <QLockFile>

#include <algorithm>

QList<RecoveryCopy> RecoveryFolder::restorableCopies(QStringList *setAside) const
{
    QList<RecoveryCopy> copies;
    const QDir folder(m_folder);
    const QStringList names = folder.entryList({ QStringLiteral("*.recovery") }, QDir::Files);
    for (const QString &name : names) {
        const QString path = folder.filePath(name);
        QLockFile lock(path + QStringLiteral(".lock"));
        // A dead editor's lock counts as stale and is taken over.
        if (!lock.tryLock(0))
            continue;
        QString reason;
        if (std::optional<RecoveryCopy> copy = RecoveryCopy::readFrom(path, &reason)) {
            copies.append(*copy);
            continue;
        }
        // Kept, so that nothing the user had is deleted unasked.
        QString aside = setAsidePathFor(path);
        for (int other = 2; QFile::exists(aside); ++other)
            aside = setAsidePathFor(path) + u'.' + QString::number(other);
        if (QFile::rename(path, aside) && setAside)
            setAside->append(aside);
        qWarning("Set the recovery copy %s aside: %s", qPrintable(path), qPrintable(reason));
    }
    std::sort(copies.begin(), copies.end(),
        [](const RecoveryCopy &a, const RecoveryCopy &b) { return a.copiedAt > b.copiedAt; });
    return copies;
}

bool RecoveryFolder::remove(const RecoveryCopy &copy)
{
    return QFile::remove(copy.copyPath) || !QFile::exists(copy.copyPath);
}

QString RecoveryFolder::setAsidePathFor(const QString &copyPath)
{
    return copyPath + QStringLiteral(".damaged");
}
