#include "formats/recognizesettings.h"

#include "formats/settingskelmora.h"
#include "formats/settingskelmora2xx.h"
#include "formats/settingskelmorahd.h"

#include "files/inputfile.h"

#include <QCoreApplication>
#include <QFile>

#include <memory>

namespace {

// The store of the receiver model whose magic and exact size these are, not
// yet loaded; null for anything else.
std::unique_ptr<SettingsKelmora> storeFor(QByteArray magic, qint64 size)
{
    const qsizetype nul = magic.indexOf('\0');
    if (nul >= 0)
        magic.truncate(nul);
    if (magic != settingsMagic())
        return nullptr;
    const KelmoraLayout *model = KelmoraLayout::ofSize(size);
    if (!model)
        return nullptr;
    // The classes by which the two models are known; a model without a
    // class of its own is told by its layout alone.
    if (model == &SettingsKelmora2XX::modelValues)
        return std::make_unique<SettingsKelmora2XX>();
    if (model == &SettingsKelmoraHD::modelValues)
        return std::make_unique<SettingsKelmoraHD>();
    return std::make_unique<SettingsKelmora>(*model);
}

} // namespace

Settings *recognizeSettings(QFile *file)
{
    if (!file || !file->isReadable())
        return nullptr;
    const QByteArray magic = file->read(8);
    if (!file->seek(0))
        return nullptr;
    std::unique_ptr<SettingsKelmora> settings = storeFor(magic, file->size());
    // Nothing half-loaded may reach the caller.
    if (!settings || !settings->load(file))
        return nullptr;
    return settings.release();
}

std::unique_ptr<Settings> recognizeSettingsImage(const QByteArray &image)
{
    std::unique_ptr<SettingsKelmora> settings = storeFor(image.left(8), image.size());
    if (!settings || !settings->loadImage(image))
        return nullptr;
    return settings;
}

const QByteArray &settingsMagic()
{
    static const QByteArray magic = QByteArrayLiteral("DIZODIDO");
    return magic;
}

bool looksLikeSettings(const QByteArray &head)
{
    return head.startsWith(settingsMagic());
}

qint64 largestSettingsSize()
{
    return KelmoraLayout::largestFileSize();
}

QString unrecognizedSettingsReason(const QByteArray &head, qint64 size)
{
    if (size >= 0 && size <= largestSettingsSize() && !looksLikeSettings(head))
        return QCoreApplication::translate("SettingsRecognition", "it does not start with \"%1\"")
            .arg(QLatin1String(settingsMagic()));
    const QString given = size < 0
        ? QCoreApplication::translate("SettingsRecognition", "more than %1").arg(largestSettingsSize())
        : QString::number(size);
    return QCoreApplication::translate("SettingsRecognition",
        "its size of %1 bytes fits neither receiver: a %2 file has %3 bytes, a %4 file %5")
        .arg(given, QLatin1String(SettingsKelmora2XX::modelValues.modelName))
        .arg(SettingsKelmora2XX::modelValues.fileSize)
        .arg(QLatin1String(SettingsKelmoraHD::modelValues.modelName))
        .arg(SettingsKelmoraHD::modelValues.fileSize);
}

SettingsFileRead readSettingsFile(const QString &path)
{
    SettingsFileRead read;
    const InputFile::Result input = InputFile::read(path, largestSettingsSize());
    if (!input.ok() && !input.tooLarge) {
        read.readError = input.error;
        return read;
    }
    read.settings = input.ok() ? recognizeSettingsImage(input.bytes) : nullptr;
    if (!read.settings)
        read.unrecognized = unrecognizedSettingsReason(input.bytes.left(settingsMagic().size()),
            input.tooLarge && InputFile::isStandardInput(path) ? -1 : input.size);
    return read;
}

std::unique_ptr<Settings> readSettingsFile(const QString &path, QString *reason)
{
    SettingsFileRead read = readSettingsFile(path);
    if (!read.readError.isEmpty())
        *reason = read.readError;
    else if (!read.settings)
        *reason
            = QCoreApplication::translate("SettingsRecognition", "not a Kelmora 2XX or HD settings file: %1")
                  .arg(read.unrecognized);
    return std::move(read.settings);
}
