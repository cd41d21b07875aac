#include "recoverykeeper.h"

#include "editable.h"
#include "recoverycopy.h"
#include "settings.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

namespace {

constexpr std::chrono::milliseconds defaultDelay(2000);
// After this many delays of steady changes a copy is written regardless.
constexpr int longestPutOff = 5;

} // namespace

RecoveryKeeper::RecoveryKeeper(const QString &folder, QObject *parent)
    : QObject(parent)
    , m_folder(folder)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(defaultDelay);
    connect(&m_timer, &QTimer::timeout, this, &RecoveryKeeper::writeNow);
    m_worker.setMaxThreadCount(1);
}

RecoveryKeeper::~RecoveryKeeper()
{
    m_worker.waitForDone();
    releaseLock();
}

QString RecoveryKeeper::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/recovery");
}

QString RecoveryKeeper::copyPathFor(const QString &folder, const QString &originalPath)
{
    const QByteArray key = QFileInfo(originalPath).absoluteFilePath().toUtf8();
    return folder + u'/'
        + QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex())
        + QStringLiteral(".recovery");
}

void RecoveryKeeper::track(Settings *settings, const QString &originalPath)
{
    discard();
    m_settings = settings;
    m_originalPath = QFileInfo(originalPath).absoluteFilePath();
    if (!settings)
        return;
    settings->connectEveryChange(this, [this] { noteChange(); });

    QDir().mkpath(m_folder);
    m_lock = std::make_unique<QLockFile>(copyPath() + QStringLiteral(".lock"));
    // Another editor with the same file open keeps the lock; both then
    // write the same copy, the later one winning, which loses nothing.
    m_lock->tryLock(0);
}

void RecoveryKeeper::markSaved(const QString &path)
{
    const QString absolutePath = QFileInfo(path).absoluteFilePath();
    if (absolutePath != m_originalPath) {
        track(m_settings, absolutePath);
        return;
    }
    m_timer.stop();
    removeCopy();
}

void RecoveryKeeper::discard()
{
    m_timer.stop();
    if (m_settings)
        disconnect(m_settings, nullptr, this, nullptr);
    removeCopy();
    releaseLock();
    m_settings = nullptr;
    m_originalPath.clear();
}

void RecoveryKeeper::noteChange()
{
    if (!m_timer.isActive())
        m_pendingSince.start();
    if (m_pendingSince.elapsed() < longestPutOff * m_timer.interval())
        m_timer.start();
}

void RecoveryKeeper::writeNow()
{
    m_timer.stop();
    if (!m_settings)
        return;
    const RecoveryCopy copy = RecoveryCopy::of(*m_settings, m_originalPath);
    m_worker.start([copy, folder = m_folder, path = copyPath()] {
        QDir().mkpath(folder);
        const QString problem = copy.writeTo(path);
        if (!problem.isEmpty())
            qWarning("No recovery copy of %s could be written to %s: %s", qPrintable(copy.originalPath),
                qPrintable(path), qPrintable(problem));
    });
}

void RecoveryKeeper::waitForWorker()
{
    m_worker.waitForDone();
}

QString RecoveryKeeper::copyPath() const
{
    return m_originalPath.isEmpty() ? QString() : copyPathFor(m_folder, m_originalPath);
}

void RecoveryKeeper::removeCopy()
{
    if (m_originalPath.isEmpty())
        return;
    m_worker.start([path = copyPath()] { QFile::remove(path); });
}

void RecoveryKeeper::releaseLock()
{
    if (m_lock)
        m_lock->unlock();
    m_lock.reset();
}
