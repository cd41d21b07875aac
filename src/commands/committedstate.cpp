#include "commands/committedstate.h"

#include <algorithm>

namespace {

// Up to this many, a look-up walks the records once per object; beyond it,
// once for all of them.
constexpr qsizetype FewObjects = 8;

} // namespace

void CommittedState::reset(SettingsSnapshot whole, SettingsSnapshot::Records records)
{
    m_whole = std::move(whole);
    m_records = std::move(records);
    m_changed.clear();
}

QList<QByteArray> CommittedState::records(const QList<quint64> &ids) const
{
    QList<QByteArray> found(ids.size());
    QList<qsizetype> missing;
    for (qsizetype i = 0; i < ids.size(); ++i) {
        if (const auto changed = m_changed.constFind(ids.at(i)); changed != m_changed.cend())
            found[i] = *changed;
        else
            missing.append(i);
    }
    if (missing.size() <= FewObjects) {
        for (qsizetype i : std::as_const(missing)) {
            const auto record = std::find_if(m_records.cbegin(), m_records.cend(),
                [id = ids.at(i)](const SettingsSnapshot::Record &r) { return r.id == id; });
            if (record != m_records.cend())
                found[i] = m_whole.recordBytes(*record);
        }
        return found;
    }
    QHash<quint64, qsizetype> wanted;
    wanted.reserve(missing.size());
    for (qsizetype i : std::as_const(missing))
        wanted.insert(ids.at(i), i);
    for (const SettingsSnapshot::Record &record : m_records)
        if (const auto place = wanted.constFind(record.id); place != wanted.cend())
            found[*place] = m_whole.recordBytes(record);
    return found;
}

SettingsSnapshot CommittedState::whole()
{
    if (!m_changed.isEmpty()) {
        m_whole = m_whole.withRecords(m_records, m_changed);
        m_changed.clear();
    }
    return m_whole;
}
