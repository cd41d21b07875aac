#include "recovery/recoverykeeper.h"

#include "model/editable.h"
#include "recovery/recoverycopy.h"
#include "store/settings.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QUuid>

namespace {

constexpr std::chrono::milliseconds defaultDelay(2000);
// After this many delays of steady changes a copy is written regardless.
constexpr int longestPutOff = 5;

} // namespace

RecoveryKeeper::RecoveryKeeper(const QString &folder, QObject *parent)
    : QObject(parent)
    , m_folder(folder)
    , m_instance(QUuid::createUuid().toString(QUuid::WithoutBraces))
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

bool RecoveryKeeper::makeFolder(const QString &folder)
{
    // Unsaved settings are nobody else's business, also in a folder an
    // earlier version made open to all.
    return QDir().mkpath(folder)
        && QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void RecoveryKeeper::track(Settings *settings, const QString &originalPath, const FileStamp &source)
{
    discard();
    m_settings = settings;
    m_originalPath = QFileInfo(originalPath).absoluteFilePath();
    m_source = source;
    if (!settings)
        return;
    settings->connectEveryChange(this, [this] { noteChange(); });

    // The file's name in it tells a person looking into the folder which
    // copies belong together.
    const QByteArray key = m_originalPath.toUtf8();
    m_copyPath = m_folder + u'/'
        + QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex().left(16)) + u'-'
        + m_instance + QStringLiteral(".recovery");
    makeFolder(m_folder);
    m_lock = std::make_unique<QLockFile>(m_copyPath + QStringLiteral(".lock"));
    m_lock->tryLock(0);
}

void RecoveryKeeper::adopt(const RecoveryCopy &copy)
{
    releaseLock();
    m_copyPath = copy.copyPath;
    m_source = copy.source;
    m_lock = std::make_unique<QLockFile>(m_copyPath + QStringLiteral(".lock"));
    m_lock->tryLock(0);
}

void RecoveryKeeper::markSaved(const QString &path)
{
    const QString absolutePath = QFileInfo(path).absoluteFilePath();
    if (absolutePath != m_originalPath) {
        track(m_settings, absolutePath, FileStamp::of(absolutePath));
        return;
    }
    m_timer.stop();
    removeCopy();
    m_source = FileStamp::of(absolutePath);
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
    m_copyPath.clear();
    m_source = {};
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
    const RecoveryCopy copy = RecoveryCopy::of(*m_settings, m_originalPath, m_source);
    m_worker.start([copy, folder = m_folder, path = m_copyPath] {
        makeFolder(folder);
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

void RecoveryKeeper::removeCopy()
{
    if (m_copyPath.isEmpty())
        return;
    m_worker.start([path = m_copyPath] { QFile::remove(path); });
}

void RecoveryKeeper::releaseLock()
{
    if (m_lock)
        m_lock->unlock();
    m_lock.reset();
}
