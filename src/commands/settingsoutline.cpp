#include "commands/settingsoutline.h"

#include "model/provider.h"
#include "model/satellite.h"
#include "model/transponder.h"
#include "store/settings.h"

#include <array>

namespace {

SettingsOutline::Entry entryOf(
    int type, const SettingsSnapshot::RecordView &record, quint64 owner, quint64 transponder)
{
    return { type, qHash(record.name), qHash(record.properties), owner, transponder };
}

quint64 idOf(quint64 id)
{
    return id;
}

quint64 idOf(const Editable *object)
{
    return object->id();
}

// The id of the object a record refers to by its position plus one; 0 for none.
template<typename List> quint64 idAt(const List &objects, quint64 reference)
{
    return reference > 0 && reference <= quint64(objects.size()) ? idOf(objects.at(qsizetype(reference - 1)))
                                                                 : 0;
}

} // namespace

// Builds an outline from what a snapshot's visit tells.
class SettingsOutline::Reading : public SettingsSnapshot::Visitor
{
public:
    Reading(SettingsOutline &outline, qsizetype objects)
        : m_outline(outline)
    {
        m_outline.m_entries.reserve(objects);
    }

    void object(int type, quint64 id, const SettingsSnapshot::RecordView &record) override
    {
        m_ids[type].append(id);
        const quint64 owner = type == TransponderType ? idAt(m_ids[SatelliteType], record.owner)
            : type == ChannelType                     ? idAt(m_ids[ProviderType], record.owner)
                                                      : 0;
        m_outline.m_entries.insert(
            id, entryOf(type, record, owner, idAt(m_ids[TransponderType], record.transponder)));
    }

    void mainList(qsizetype count) override
    {
        m_outline.m_lists.insert(0, { ChannelType, m_ids[ChannelType].first(count) });
    }

    void groupList(const QList<qsizetype> &positions) override
    {
        QList<quint64> ids;
        ids.reserve(positions.size());
        for (qsizetype position : positions)
            ids.append(m_ids[ChannelType].at(position));
        m_outline.m_lists.insert(qint64(m_ids[FavoriteGroupType].last()), { ChannelType, ids });
    }

    void finish()
    {
        for (int type : { SatelliteType, TransponderType, ProviderType })
            m_outline.m_lists.insert(-type, { type, m_ids[type] });
    }

private:
    SettingsOutline &m_outline;
    // By type code.
    std::array<QList<quint64>, TransponderType + 1> m_ids;
};

SettingsOutline SettingsOutline::read(
    const SettingsSnapshot &snapshot, const SettingsSnapshot::Records &records)
{
    SettingsOutline outline;
    Reading reading(outline, qsizetype(records.size()));
    if (!snapshot.visit(records, reading))
        return {};
    reading.finish();
    return outline;
}

void SettingsOutline::setEntry(quint64 id, int type, QByteArrayView record, const Settings &settings)
{
    const auto view = SettingsSnapshot::viewRecord(type, record);
    // The history only enters records it took itself.
    Q_ASSERT(view);
    if (!view)
        return;
    quint64 owner = 0;
    if (type == TransponderType)
        owner = idAt(settings.satellites(), view->owner);
    else if (type == ChannelType)
        owner = idAt(settings.providers(), view->owner);
    m_entries.insert(id, entryOf(type, *view, owner, idAt(settings.transponders(), view->transponder)));
}
