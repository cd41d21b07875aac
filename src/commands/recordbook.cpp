#include "commands/recordbook.h"

#include "model/editable.h"
#include "snapshot/snapshotrecords.h"
#include "snapshot/snapshotwriter.h"

void RecordBook::clear()
{
    m_bytes.clear();
    m_places.clear();
    m_unused = 0;
}

void RecordBook::reserve(qsizetype objects)
{
    m_places.reserve(objects);
    // A channel's record is about 40 bytes.
    m_bytes.reserve(48 * objects);
}

QByteArray RecordBook::record(quint64 id) const
{
    const auto place = m_places.constFind(id);
    return place == m_places.cend() ? QByteArray() : m_bytes.mid(place->begin, place->size);
}

void RecordBook::insert(quint64 id, const QByteArray &record)
{
    const qsizetype begin = m_bytes.size();
    m_bytes.append(record);
    place(id, begin);
}

void RecordBook::insertRecordOf(const Editable &object)
{
    const qsizetype begin = m_bytes.size();
    {
        SnapshotWriter out(m_bytes);
        SnapshotRecords::writeRecordOf(out, object);
    }
    place(object.id(), begin);
}

void RecordBook::place(quint64 id, qsizetype begin)
{
    const auto earlier = m_places.constFind(id);
    if (earlier != m_places.cend())
        m_unused += earlier->size;
    m_places.insert(id, { begin, m_bytes.size() - begin });
    if (m_unused > m_bytes.size() / 2)
        pack();
}

void RecordBook::pack()
{
    QByteArray packed;
    packed.reserve(m_bytes.size() - m_unused);
    for (Place &place : m_places) {
        const qsizetype begin = packed.size();
        packed.append(m_bytes.constData() + place.begin, place.size);
        place.begin = begin;
    }
    m_bytes = std::move(packed);
    m_unused = 0;
}
