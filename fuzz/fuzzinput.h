#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

// Reads a fuzzer's input front to back; past its end every read gives 0,
// so that any input is a complete one.
class FuzzInput
{
public:
    FuzzInput(const uint8_t *data, size_t size)
        : m_data(data)
        , m_size(size)
    { }

    bool atEnd() const { return m_at >= m_size; }
    size_t remaining() const { return atEnd() ? 0 : m_size - m_at; }

    uint8_t byte() { return atEnd() ? 0 : m_data[m_at++]; }
    uint16_t word()
    {
        const uint8_t low = byte();
        return uint16_t(low | (byte() << 8));
    }
    // Up to count bytes, as many as are left.
    QByteArray bytes(size_t count)
    {
        const size_t taken = std::min(count, remaining());
        const QByteArray result(reinterpret_cast<const char *>(m_data + m_at), qsizetype(taken));
        m_at += taken;
        return result;
    }
    // A name of up to 31 characters: Latin-1 from single bytes, or any
    // UTF-16 units (unpaired surrogates included) from pairs of bytes.
    QString text()
    {
        const uint8_t head = byte();
        const int length = head & 0x1F;
        QString result;
        for (int i = 0; i < length && !atEnd(); ++i)
            result.append(QChar(char16_t(head & 0x80 ? word() : byte())));
        return result;
    }

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_at = 0;
};
