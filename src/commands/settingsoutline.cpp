#include "settingsoutline.h"

#include "channel.h"
#include "favoritegroup.h"
#include "provider.h"
#include "satellite.h"
#include "settings.h"
#include "transponder.h"

#include <algorithm>

namespace {

quint64 idOf(const Editable *editable)
{
    return editable ? editable->id() : 0;
}

size_t fingerprint(const Satellite *x)
{
    return qHashMulti(0, x->position(), x->lowLof(), x->highLof(), x->diseqc(), x->tone(), x->diseqc12(),
        x->diseqc12Position(), x->diseqc11(), x->keepLast(), x->reservedBytes());
}

size_t fingerprint(const Transponder *x)
{
    return qHashMulti(0, x->polarization(), x->transportStreamId(), x->networkId(), x->originalNetworkId(),
        x->frequency(), x->symbolRate(), x->reservedBytes());
}

size_t fingerprint(const Channel *x)
{
    // A set's own order says nothing, so its members are combined unordered.
    const QSet<int> flags = x->flags();
    return qHashMulti(0, x->serviceId(), x->videoPid(), x->audioPid(), x->pcrPid(), x->pmtPid(),
        x->serviceType(), x->reservedBytes(), qHashRangeCommutative(flags.cbegin(), flags.cend()));
}

template<typename T> QList<quint64> idsOf(const QList<T *> &objects)
{
    QList<quint64> ids;
    ids.reserve(objects.size());
    for (const T *object : objects)
        ids.append(object->id());
    return ids;
}

SettingsOutline::Entry entryOf(const Editable &object)
{
    switch (object.typeCode()) {
    case SatelliteType: {
        const auto *x = static_cast<const Satellite *>(&object);
        return { SatelliteType, x->name(), fingerprint(x) };
    }
    case TransponderType: {
        const auto *x = static_cast<const Transponder *>(&object);
        return { TransponderType, QString(), fingerprint(x), idOf(x->satellite()) };
    }
    case ChannelType: {
        const auto *x = static_cast<const Channel *>(&object);
        return { ChannelType, x->name(), fingerprint(x), idOf(x->provider()), idOf(x->transponder()) };
    }
    default:
        return { object.typeCode(), object.displayText() };
    }
}

} // namespace

void SettingsOutline::setEntry(quint64 id, const Editable &object)
{
    m_entries.insert(id, entryOf(object));
}

SettingsOutline SettingsOutline::capture(const Settings &s)
{
    SettingsOutline outline;
    auto &entries = outline.m_entries;
    entries.reserve(s.satellites().size() + s.transponders().size() + s.providers().size()
        + s.mainChannelList().count() + s.favoriteGroups().size());
    auto add = [&entries](const auto &objects) {
        for (const Editable *x : objects)
            entries.insert(x->id(), entryOf(*x));
    };
    add(s.satellites());
    add(s.transponders());
    add(s.providers());
    add(s.channels());
    outline.m_lists.insert(-SatelliteType, { SatelliteType, idsOf(s.satellites()) });
    outline.m_lists.insert(-TransponderType, { TransponderType, idsOf(s.transponders()) });
    outline.m_lists.insert(-ProviderType, { ProviderType, idsOf(s.providers()) });
    outline.m_lists.insert(0, { ChannelType, idsOf(s.channels()) });
    for (FavoriteGroup *group : s.favoriteGroups()) {
        entries.insert(group->id(), entryOf(*group));
        const QList<Channel *> members = s.channelsOf(group);
        // Channels that only a group holds are entered once, from their first group.
        QList<Channel *> groupOnly;
        std::copy_if(members.cbegin(), members.cend(), std::back_inserter(groupOnly),
            [&entries](const Channel *x) { return !entries.contains(x->id()); });
        add(groupOnly);
        outline.m_lists.insert(qint64(group->id()), { ChannelType, idsOf(members) });
    }
    return outline;
}
