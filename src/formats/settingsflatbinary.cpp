#include "formats/settingsflatbinary.h"

#include <QFileDevice>

qint64 SettingsFlatBinary::writeImage(QFileDevice *file)
{
    const QByteArray &bytes = m_image.bytes();
    const qint64 written = file ? file->write(bytes) : -1;
    if (written != bytes.size()) {
        setErrorString(tr("The settings could not be written: %1")
                           .arg(file ? file->errorString() : tr("no file was given")));
        return -1;
    }
    setErrorString(QString());
    return written;
}
