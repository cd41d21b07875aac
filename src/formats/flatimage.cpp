#include "formats/flatimage.h"

#include <algorithm>
#include <cstring>

quint8 FlatImage::byteAt(int offset) const
{
    if (offset < 0 || offset >= m_bytes.size())
        return 0;
    return quint8(m_bytes.at(offset));
}

void FlatImage::ensureSize(int size)
{
    if (size > m_bytes.size())
        m_bytes.append(size - m_bytes.size(), '\0');
}

void FlatImage::setByte(int offset, int value)
{
    if (offset < 0)
        return;
    ensureSize(offset + 1);
    m_bytes[offset] = char(value & 0xFF);
}

quint16 FlatImage::wordAt(int offset) const
{
    return quint16(byteAt(offset) | (byteAt(offset + 1) << 8));
}

void FlatImage::setWord(int offset, int value)
{
    setByte(offset, value & 0xFF);
    setByte(offset + 1, (value >> 8) & 0xFF);
}

QByteArray FlatImage::bytesAt(int offset, int count) const
{
    QByteArray bytes(count, '\0');
    if (offset < 0 || count <= 0)
        return bytes;
    const int available = std::min(count, int(m_bytes.size()) - offset);
    if (available > 0)
        std::memcpy(bytes.data(), m_bytes.constData() + offset, size_t(available));
    return bytes;
}

void FlatImage::setBytes(int offset, const QByteArray &bytes)
{
    if (offset < 0 || bytes.isEmpty())
        return;
    ensureSize(offset + int(bytes.size()));
    std::memcpy(m_bytes.data() + offset, bytes.constData(), size_t(bytes.size()));
}

void FlatImage::fillBytes(int offset, int count, quint8 value)
{
    if (offset < 0 || count <= 0)
        return;
    ensureSize(offset + count);
    std::memset(m_bytes.data() + offset, value, size_t(count));
}
