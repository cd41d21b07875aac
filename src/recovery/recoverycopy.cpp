#include "recoverycopy.h"

#include "recognizesettings.h"
#include "settings.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QFile>
#include <QSaveFile>

namespace {

const QByteArray magic = QByteArrayLiteral("KSERECOV");
constexpr quint8 layoutVersion = 1;
constexpr QCryptographicHash::Algorithm digestAlgorithm = QCryptographicHash::Sha256;
const qsizetype digestSize = QCryptographicHash::hashLength(digestAlgorithm);

} // namespace

namespace {

QString modelOf(const Settings &settings)
{
    return QLatin1String(settings.metaObject()->className());
}

} // namespace

RecoveryCopy RecoveryCopy::of(const Settings &settings, const QString &originalPath)
{
    return { originalPath, QDateTime::currentDateTimeUtc(), modelOf(settings),
        SettingsSnapshot::capture(settings), QString() };
}

QByteArray RecoveryCopy::toBytes() const
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out.writeRawData(magic.constData(), int(magic.size()));
    out << layoutVersion << originalPath << copiedAt.toMSecsSinceEpoch() << model << snapshot.toBytes();
    // A copy cut short or changed on disk must not be mistaken for a state
    // the user had.
    bytes += QCryptographicHash::hash(bytes, digestAlgorithm);
    return bytes;
}

std::optional<RecoveryCopy> RecoveryCopy::fromBytes(const QByteArray &bytes)
{
    if (bytes.size() < magic.size() + digestSize || !bytes.startsWith(magic))
        return std::nullopt;
    const QByteArrayView body = QByteArrayView(bytes).first(bytes.size() - digestSize);
    if (QCryptographicHash::hash(body, digestAlgorithm) != bytes.right(digestSize))
        return std::nullopt;

    QDataStream in(body.toByteArray());
    in.setVersion(QDataStream::Qt_6_0);
    in.skipRawData(int(magic.size()));
    quint8 version = 0;
    RecoveryCopy copy;
    qint64 copiedAt = 0;
    QByteArray snapshotBytes;
    in >> version;
    if (version != layoutVersion)
        return std::nullopt;
    in >> copy.originalPath >> copiedAt >> copy.model >> snapshotBytes;
    if (in.status() != QDataStream::Ok || !in.atEnd() || copy.originalPath.isEmpty())
        return std::nullopt;
    std::optional<SettingsSnapshot> snapshot = SettingsSnapshot::fromBytes(snapshotBytes);
    if (!snapshot)
        return std::nullopt;
    copy.snapshot = *snapshot;
    copy.copiedAt = QDateTime::fromMSecsSinceEpoch(copiedAt, Qt::UTC);
    return copy;
}

QString RecoveryCopy::writeTo(const QString &path) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    const QByteArray bytes = toBytes();
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return file.errorString();
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

std::optional<RecoveryCopy> RecoveryCopy::readFrom(const QString &path, QString *reason)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *reason = tr("it could not be read: %1").arg(file.errorString());
        return std::nullopt;
    }
    std::optional<RecoveryCopy> copy = fromBytes(file.readAll());
    if (!copy) {
        *reason = tr("it is damaged");
        return std::nullopt;
    }
    copy->copyPath = path;
    return copy;
}

std::unique_ptr<Settings> RecoveryCopy::restoredStore(QString *reason) const
{
    QFile file(originalPath);
    if (!file.exists()) {
        *reason = tr("its file %1 no longer exists").arg(originalPath);
        return nullptr;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        *reason = tr("its file %1 could not be read: %2").arg(originalPath, file.errorString());
        return nullptr;
    }
    std::unique_ptr<Settings> settings(recognizeSettings(&file));
    if (!settings) {
        *reason = tr("its file %1 is no longer a settings file").arg(originalPath);
        return nullptr;
    }
    if (modelOf(*settings) != model || !snapshot.restore(*settings)) {
        *reason = tr("it does not fit its file %1").arg(originalPath);
        return nullptr;
    }
    return settings;
}
