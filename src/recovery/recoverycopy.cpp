#include "recovery/recoverycopy.h"

#include "formats/recognizesettings.h"
#include "store/settings.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <sys/stat.h>

namespace {

const QByteArray magic = QByteArrayLiteral("KSERECOV");
// The first layout had no stamp of the file and no image.
constexpr quint8 firstLayout = 1;
constexpr quint8 layoutVersion = 2;
constexpr QCryptographicHash::Algorithm digestAlgorithm = QCryptographicHash::Sha256;
const qsizetype digestSize = QCryptographicHash::hashLength(digestAlgorithm);

} // namespace

namespace {

// Copies of earlier versions named the model by the class of its store.
QString modelNamed(const QString &stored)
{
    if (stored == u"SettingsKelmora2XX")
        return QStringLiteral("2XX");
    if (stored == u"SettingsKelmoraHD")
        return QStringLiteral("HD");
    return stored;
}

} // namespace

RecoveryCopy RecoveryCopy::of(const Settings &settings, const QString &originalPath, const FileStamp &source)
{
    const QByteArray *image = settings.fileImage();
    return { originalPath, QDateTime::currentDateTimeUtc(), settings.model(),
        SettingsSnapshot::capture(settings), QString(), source, image ? *image : QByteArray() };
}

RecoveryCopy::FileState RecoveryCopy::fileState() const
{
    if (!QFileInfo::exists(originalPath))
        return FileState::Missing;
    if (source.isNull() || FileStamp::of(originalPath).sameContentAs(source))
        return FileState::Unchanged;
    return FileState::Changed;
}

QByteArray RecoveryCopy::toBytes() const
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out.writeRawData(magic.constData(), int(magic.size()));
    out << layoutVersion << originalPath << copiedAt.toMSecsSinceEpoch() << model << snapshot.toBytes()
        << source.size << source.modified << source.hash << image;
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
    if (version != layoutVersion && version != firstLayout)
        return std::nullopt;
    in >> copy.originalPath >> copiedAt >> copy.model >> snapshotBytes;
    if (version == layoutVersion)
        in >> copy.source.size >> copy.source.modified >> copy.source.hash >> copy.image;
    if (in.status() != QDataStream::Ok || !in.atEnd() || copy.originalPath.isEmpty())
        return std::nullopt;
    std::optional<SettingsSnapshot> snapshot = SettingsSnapshot::fromBytes(snapshotBytes);
    if (!snapshot)
        return std::nullopt;
    copy.snapshot = *snapshot;
    copy.model = modelNamed(copy.model);
    copy.copiedAt = QDateTime::fromMSecsSinceEpoch(copiedAt, Qt::UTC);
    return copy;
}

QString RecoveryCopy::writeTo(const QString &path) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    // Unsaved settings are as private as the user's own files.
    ::fchmod(file.handle(), S_IRUSR | S_IWUSR);
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

std::unique_ptr<Settings> RecoveryCopy::baseStore(QString *reason) const
{
    std::unique_ptr<Settings> settings;
    if (fileState() == FileState::Unchanged) {
        // Read as any file the user names: a pipe there now must not block.
        SettingsFileRead read = readSettingsFile(originalPath);
        if (!read.readError.isEmpty()) {
            *reason = tr("its file %1 could not be read: %2").arg(originalPath, read.readError);
            return nullptr;
        }
        settings = std::move(read.settings);
    } else if (image.isEmpty()) {
        *reason = tr("its file %1 is gone or changed, and the copy holds nothing to lay the changes over")
                      .arg(originalPath);
        return nullptr;
    } else {
        settings = recognizeSettingsImage(image);
    }
    if (!settings) {
        *reason = tr("its file %1 is no longer a settings file").arg(originalPath);
        return nullptr;
    }
    if (settings->model() != model) {
        *reason = tr("it does not fit its file %1").arg(originalPath);
        return nullptr;
    }
    return settings;
}

std::unique_ptr<Settings> RecoveryCopy::restoredStore(QString *reason) const
{
    std::unique_ptr<Settings> settings = baseStore(reason);
    if (settings && !snapshot.restore(*settings)) {
        *reason = tr("it does not fit its file %1").arg(originalPath);
        return nullptr;
    }
    return settings;
}
