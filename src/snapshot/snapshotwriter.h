#pragma once

#include "model/editable.h"
#include "snapshot/snapshotencoding.h"

#include <QByteArray>
#include <QSet>
#include <QString>

#include <algorithm>
#include <cstring>

// Writes the numbers, texts and names of a snapshot: numbers as
// variable-length integers, most of them one or two bytes; positions are
// stored plus one so that 0 says "none".
class SnapshotWriter
{
public:
    explicit SnapshotWriter(QByteArray &out)
        : m_out(out)
        , m_size(out.size())
        , m_data(out.data())
    { }
    // Cuts the buffer to what was written.
    ~SnapshotWriter() { m_out.truncate(m_size); }
    SnapshotWriter(const SnapshotWriter &) = delete;
    SnapshotWriter &operator=(const SnapshotWriter &) = delete;

    qsizetype size() const { return m_size; }

    void number(quint64 value)
    {
        char *out = room(10);
        while (value >= 0x80) {
            *out++ = char(quint8(value) | 0x80);
            value >>= 7;
        }
        *out++ = char(value);
        m_size = out - m_data;
    }
    void signedNumber(qint64 value) { number((quint64(value) << 1) ^ quint64(value >> 63)); }
    // Ids of neighbours are mostly consecutive, so their differences are small.
    void id(quint64 value)
    {
        signedNumber(qint64(value - m_lastId));
        m_lastId = value;
    }
    void bytes(const QByteArray &value)
    {
        number(quint64(value.size()));
        std::memcpy(room(value.size()), value.constData(), size_t(value.size()));
        m_size += value.size();
    }
    // Latin-1 text one byte a character, anything else as its UTF-16 units,
    // so that even a lone surrogate comes back as it was.
    void text(const QString &value)
    {
        const bool latin1
            = std::all_of(value.cbegin(), value.cend(), [](QChar c) { return c.unicode() < 0x100; });
        number((quint64(value.size()) << 1) | (latin1 ? 1 : 0));
        if (latin1) {
            char *out = room(value.size());
            for (QChar c : value)
                *out++ = char(c.unicode());
            m_size += value.size();
        } else {
            std::memcpy(room(value.size() * 2), value.utf16(), size_t(value.size()) * 2);
            m_size += value.size() * 2;
        }
    }
    // The flags a file can hold are single bits: a mask for those, looked up
    // one by one since walking a set is slow, then any others, sorted so
    // that equal stores give equal snapshots.
    void flags(const QSet<int> &flags)
    {
        quint64 mask = 0;
        qsizetype found = 0;
        for (int bit = 0; bit < SnapshotEncoding::FlagBits && found < flags.size(); ++bit) {
            if (flags.contains(1 << bit)) {
                mask |= quint64(1) << bit;
                ++found;
            }
        }
        number(mask);
        QList<int> others;
        if (found < flags.size()) {
            for (int flag : flags)
                if (flag <= 0 || (flag & (flag - 1)) != 0)
                    others.append(flag);
            std::sort(others.begin(), others.end());
        }
        number(quint64(others.size()));
        for (int flag : std::as_const(others))
            signedNumber(flag);
    }
    void name(const QString &name, const Editable::RememberedName &remembered)
    {
        text(name);
        if (remembered.isEmpty()) {
            number(SnapshotEncoding::NoRememberedName);
        } else if (remembered.text == name) {
            number(SnapshotEncoding::RememberedAsNamed);
            bytes(remembered.bytes);
        } else {
            number(SnapshotEncoding::RememberedOtherText);
            text(remembered.text);
            bytes(remembered.bytes);
        }
    }

private:
    // Where the next count bytes go; the buffer grows in large steps. The
    // buffer is ours alone, so its data pointer is only asked for (which
    // checks for sharing) when it grows.
    char *room(qsizetype count)
    {
        if (m_size + count > m_out.size()) {
            m_out.resize(std::max({ m_out.capacity(), m_out.size() * 2, m_size + count + 4096 }));
            m_data = m_out.data();
        }
        return m_data + m_size;
    }

    QByteArray &m_out;
    qsizetype m_size;
    char *m_data;
    quint64 m_lastId = 0;
};
