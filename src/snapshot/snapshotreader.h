#pragma once

#include "model/editable.h"
#include "snapshot/snapshotencoding.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <cstring>
#include <functional>
#include <limits>

// Reads what SnapshotWriter wrote; any read beyond the end or out of range sets the
// failure mark and gives 0, so a damaged snapshot ends in a refusal.
class SnapshotReader
{
public:
    explicit SnapshotReader(const QByteArray &in, qsizetype start = 0)
        : m_in(in)
        , m_position(start)
    { }

    bool failed() const { return m_failed; }
    qsizetype position() const { return m_position; }
    bool atEnd() const { return m_position == m_in.size(); }
    void fail() { m_failed = true; }

    quint64 number()
    {
        quint64 value = 0;
        for (int shift = 0; shift < 64; shift += 7) {
            if (m_position >= m_in.size())
                break;
            const quint8 byte = quint8(m_in.at(m_position++));
            value |= quint64(byte & 0x7F) << shift;
            if (!(byte & 0x80))
                return value;
        }
        m_failed = true;
        return 0;
    }
    qint64 signedNumber()
    {
        const quint64 value = number();
        return qint64(value >> 1) ^ -qint64(value & 1);
    }
    template<typename T> T bounded(quint64 limit)
    {
        const quint64 value = number();
        if (value > limit)
            m_failed = true;
        return m_failed ? T(0) : T(value);
    }
    quint16 word() { return bounded<quint16>(0xFFFF); }
    int integer()
    {
        const qint64 value = signedNumber();
        if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
            m_failed = true;
        return m_failed ? 0 : int(value);
    }
    // A position into a table of count entries, or -1 for none.
    int reference(qsizetype count) { return bounded<int>(quint64(count)) - 1; }
    // A position into a table of count entries that must hold it.
    qsizetype index(qsizetype count)
    {
        const quint64 value = number();
        if (value >= quint64(count))
            m_failed = true;
        return m_failed ? 0 : qsizetype(value);
    }
    quint64 id()
    {
        m_lastId += quint64(signedNumber());
        if (m_lastId == 0)
            m_failed = true;
        return m_lastId;
    }
    QByteArray bytes()
    {
        const qsizetype size = take(number());
        return size < 0 ? QByteArray() : m_in.mid(m_position - size, size);
    }
    // A text's bytes, its header included: equal texts are equal bytes.
    QByteArrayView textBytes()
    {
        const qsizetype begin = m_position;
        const quint64 header = number();
        take((header & 1) ? header >> 1 : (header >> 1) * 2);
        return since(begin);
    }
    void skipRememberedName()
    {
        switch (number()) {
        case SnapshotEncoding::NoRememberedName:
            break;
        case SnapshotEncoding::RememberedAsNamed:
            take(number());
            break;
        case SnapshotEncoding::RememberedOtherText:
            textBytes();
            take(number());
            break;
        default:
            m_failed = true;
        }
    }
    void seek(qsizetype position)
    {
        if (position < m_position || position > m_in.size())
            m_failed = true;
        else
            m_position = position;
    }
    QString text()
    {
        const quint64 header = number();
        const bool latin1 = header & 1;
        const quint64 length = header >> 1;
        const qsizetype size = take(latin1 ? length : length * 2);
        if (size < 0)
            return QString();
        const char *data = m_in.constData() + m_position - size;
        if (latin1)
            return QString::fromLatin1(data, size);
        QString result(qsizetype(length), Qt::Uninitialized);
        std::memcpy(result.data(), data, size_t(size));
        return result;
    }
    void name(Editable *owner, const std::function<void(const QString &)> &setName)
    {
        const QString name = text();
        setName(name);
        switch (number()) {
        case SnapshotEncoding::NoRememberedName:
            // An object given a record anew must not keep a name it had.
            owner->setRememberedName({});
            break;
        case SnapshotEncoding::RememberedAsNamed:
            owner->setRememberedName({ name, bytes() });
            break;
        case SnapshotEncoding::RememberedOtherText: {
            const QString read = text();
            owner->setRememberedName({ read, bytes() });
            break;
        }
        default:
            m_failed = true;
        }
    }
    QList<int> flags()
    {
        QList<int> flags;
        const quint64 mask = bounded<quint64>((quint64(1) << SnapshotEncoding::FlagBits) - 1);
        for (int bit = 0; bit < SnapshotEncoding::FlagBits; ++bit)
            if (mask & (quint64(1) << bit))
                flags.append(1 << bit);
        for (qsizetype others = count(); others > 0 && !m_failed; --others)
            flags.append(integer());
        return flags;
    }
    // A count of entries that each take at least one byte cannot exceed what is left.
    qsizetype count() { return bounded<qsizetype>(quint64(m_in.size() - m_position)); }

private:
    QByteArrayView since(qsizetype begin) const
    {
        return m_failed ? QByteArrayView() : QByteArrayView(m_in).sliced(begin, m_position - begin);
    }
    // Steps over size bytes; -1 when they are not there.
    qsizetype take(quint64 size)
    {
        if (m_failed || size > quint64(m_in.size() - m_position)) {
            m_failed = true;
            return -1;
        }
        m_position += qsizetype(size);
        return qsizetype(size);
    }

    const QByteArray &m_in;
    qsizetype m_position;
    quint64 m_lastId = 0;
    bool m_failed = false;
};