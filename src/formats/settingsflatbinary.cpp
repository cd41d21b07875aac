#include "formats/settingsflatbinary.h"

#include <QFileDevice>

#include <cstring>

quint8 SettingsFlatBinary::byteAt(int offset) const
{
    if (offset < 0 || offset >= m_image.size())
        return 0;
    return quint8(m_image.at(offset));
}

void SettingsFlatBinary::ensureSize(int size)
{
    if (size > m_image.size())
        m_image.append(size - m_image.size(), '\0');
}

void SettingsFlatBinary::setByte(int offset, int value)
{
    if (offset < 0)
        return;
    ensureSize(offset + 1);
    m_image[offset] = char(value & 0xFF);
}

quint16 SettingsFlatBinary::wordAt(int offset) const
{
    return quint16(byteAt(offset) | (byteAt(offset + 1) << 8));
}

void SettingsFlatBinary::setWord(int offset, int value)
{
    setByte(offset, value & 0xFF);
    setByte(offset + 1, (value >> 8) & 0xFF);
}

QByteArray SettingsFlatBinary::bytesAt(int offset, int count) const
{
    QByteArray bytes(count, '\0');
    if (offset < 0 || count <= 0)
        return bytes;
    const int available = std::min(count, int(m_image.size()) - offset);
    if (available > 0)
        std::memcpy(bytes.data(), m_image.constData() + offset, size_t(available));
    return bytes;
}

void SettingsFlatBinary::setBytes(int offset, const QByteArray &bytes)
{
    if (offset < 0 || bytes.isEmpty())
        return;
    ensureSize(offset + int(bytes.size()));
    std::memcpy(m_image.data() + offset, bytes.constData(), size_t(bytes.size()));
}

void SettingsFlatBinary::fillBytes(int offset, int count, quint8 value)
{
    if (offset < 0 || count <= 0)
        return;
    ensureSize(offset + count);
    std::memset(m_image.data() + offset, value, size_t(count));
}

qint64 SettingsFlatBinary::writeImage(QFileDevice *file)
{
    const qint64 written = file ? file->write(m_image) : -1;
    if (written != m_image.size()) {
        setErrorString(tr("The settings could not be written: %1")
                           .arg(file ? file->errorString() : tr("no file was given")));
        return -1;
    }
    setErrorString(QString());
    return written;
}
