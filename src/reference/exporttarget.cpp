#include "reference/exporttarget.h"

#include "formats/recognizesettings.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

QString ExportTarget::refusal(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QString();
    if (!info.isFile())
        return tr("it is not a regular file, so it is not replaced");
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && looksLikeSettings(existing.read(settingsMagic().size())))
        return tr("it is a settings file, which an export does not replace");
    return QString();
}

QString ExportTarget::write(const QString &path, const QByteArray &bytes)
{
    if (const QString why = refusal(path); !why.isEmpty())
        return why;
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return QString();
    return file.errorString();
}
