#include "recoveryfolder.h"

#include "settings.h"

#include <QDir>
#include <QFile>
#include <QLockFile>

#include <algorithm>

QList<RecoveryCopy> RecoveryFolder::restorableCopies() const
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
        std::optional<RecoveryCopy> copy = RecoveryCopy::readFrom(path, &reason);
        if (copy && copy->restoredStore(&reason)) {
            copies.append(*copy);
            continue;
        }
        qWarning("Deleted the recovery copy %s: %s", qPrintable(path), qPrintable(reason));
        QFile::remove(path);
    }
    std::sort(copies.begin(), copies.end(),
        [](const RecoveryCopy &a, const RecoveryCopy &b) { return a.copiedAt > b.copiedAt; });
    return copies;
}

bool RecoveryFolder::remove(const RecoveryCopy &copy)
{
    return QFile::remove(copy.copyPath) || !QFile::exists(copy.copyPath);
}
