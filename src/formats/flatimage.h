#pragma once

#include <QByteArray>

// The bytes of a fixed-size file held whole in memory, so that bytes no
// table covers are written back exactly as they were read. Every access is
// bounds-checked: reads beyond the end give 0, writes beyond it grow it.
class FlatImage
{
public:
    const QByteArray &bytes() const { return m_bytes; }
    void setBytes(const QByteArray &bytes) { m_bytes = bytes; }

    quint8 byteAt(int offset) const;
    // Stores the low 8 bits.
    void setByte(int offset, int value);
    // Every multi-byte field of the formats is a 16-bit little-endian word.
    quint16 wordAt(int offset) const;
    void setWord(int offset, int value);
    // The count bytes from offset, with 0 for every byte beyond the image.
    QByteArray bytesAt(int offset, int count) const;
    void setBytes(int offset, const QByteArray &bytes);
    void fillBytes(int offset, int count, quint8 value);

private:
    void ensureSize(int size);

    QByteArray m_bytes;
};
