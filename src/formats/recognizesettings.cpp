#include "recognizesettings.h"

#include "settingskelmora.h"
#include "settingskelmora2xx.h"
#include "settingskelmorahd.h"

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
    if (magic != QByteArrayLiteral("DIZODIDO"))
        return nullptr;
    if (size == SettingsKelmora2XX::modelValues.fileSize)
        return std::make_unique<SettingsKelmora2XX>();
    if (size == SettingsKelmoraHD::modelValues.fileSize)
        return std::make_unique<SettingsKelmoraHD>();
    return nullptr;
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
