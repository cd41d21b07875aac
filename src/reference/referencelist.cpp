#include "reference/referencelist.h"

#include "model/channel.h"
#include "model/favoritegroup.h"
#include "model/transponder.h"
#include "store/settings.h"

#include <QHash>

#include <algorithm>

ReferenceList::ReferenceList(QList<ReferenceEntry> entries, QList<ReferenceGroup> groups)
    : m_entries(std::move(entries))
    , m_groups(std::move(groups))
{
    std::stable_sort(m_entries.begin(), m_entries.end(),
        [](const ReferenceEntry &a, const ReferenceEntry &b) { return a.number < b.number; });
}

ReferenceList ReferenceList::fromSettings(const Settings &settings)
{
    const QList<Channel *> channels = settings.channels();
    QList<ReferenceEntry> entries;
    entries.reserve(channels.size());
    QHash<const Channel *, int> position;
    for (const Channel *channel : channels) {
        ReferenceEntry entry;
        entry.number = int(entries.size()) + 1;
        entry.name = channel->name();
        if (const Transponder *transponder = channel->transponder())
            entry.key = ServiceKey { transponder->originalNetworkId(), transponder->transportStreamId(),
                channel->serviceId() };
        position.insert(channel, int(entries.size()));
        entries.append(entry);
    }

    QList<ReferenceGroup> groups;
    for (FavoriteGroup *group : settings.favoriteGroups()) {
        ReferenceGroup referenceGroup { group->name(), {} };
        // A channel that only a group holds has no place in the main list to refer to.
        for (Channel *channel : settings.channelsOf(group))
            if (position.contains(channel))
                referenceGroup.members.append(position.value(channel));
        groups.append(referenceGroup);
    }
    return ReferenceList(entries, groups);
}
