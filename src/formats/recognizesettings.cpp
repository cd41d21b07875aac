#include "recognizesettings.h"

#include "settingskelmora2xx.h"
#include "settingskelmorahd.h"

#include <QFile>

#include <memory>

Settings *recognizeSettings(QFile *file)
{
    if (!file || !file->isReadable())
        return nullptr;
    QByteArray magic = file->read(8);
    if (!file->seek(0))
        return nullptr;
    const qsizetype nul = magic.indexOf('\0');
    if (nul >= 0)
        magic.truncate(nul);
    if (magic != QByteArrayLiteral("DIZODIDO"))
        return nullptr;

    std::unique_ptr<Settings> settings;
    const qint64 size = file->size();
    if (size == SettingsKelmora2XX::modelValues.fileSize)
        settings = std::make_unique<SettingsKelmora2XX>();
    else if (size == SettingsKelmoraHD::modelValues.fileSize)
        settings = std::make_unique<SettingsKelmoraHD>();
    else
        return nullptr;
    // Nothing half-loaded may reach the caller.
    if (!settings->load(file))
        return nullptr;
    return settings.release();
}
