#include "store/capacitycheck.h"

#include "model/channel.h"
#include "model/favoritegroup.h"
#include "store/settings.h"

namespace {

int limitOf(const SettingsCapacity &room, CapacityCheck::Kind kind)
{
    switch (kind) {
    case CapacityCheck::Kind::Satellites:
        return room.satellites;
    case CapacityCheck::Kind::Transponders:
        return room.transponders;
    case CapacityCheck::Kind::Providers:
        return room.providers;
    case CapacityCheck::Kind::Channels:
        return room.channels;
    case CapacityCheck::Kind::FavoriteGroups:
        return room.favoriteGroups;
    case CapacityCheck::Kind::GroupChannels:
        return room.channelsPerGroup;
    }
    return SettingsCapacity::Unlimited;
}

qsizetype countOf(const Settings &settings, CapacityCheck::Kind kind, Editable *group)
{
    switch (kind) {
    case CapacityCheck::Kind::Satellites:
        return settings.satellites().size();
    case CapacityCheck::Kind::Transponders:
        return settings.transponders().size();
    case CapacityCheck::Kind::Providers:
        return settings.providers().size();
    case CapacityCheck::Kind::Channels:
        return settings.mainChannelList().count();
    case CapacityCheck::Kind::FavoriteGroups:
        return settings.favoriteGroups().size();
    case CapacityCheck::Kind::GroupChannels:
        return settings.channelsOf(group).size();
    }
    return 0;
}

} // namespace

QString CapacityCheck::nameOf(Kind kind)
{
    switch (kind) {
    case Kind::Satellites:
        return tr("satellites");
    case Kind::Transponders:
        return tr("transponders");
    case Kind::Providers:
        return tr("providers");
    case Kind::FavoriteGroups:
        return tr("favorite groups");
    case Kind::Channels:
    case Kind::GroupChannels:
        break;
    }
    return tr("channels");
}

std::optional<CapacityCheck::Use> CapacityCheck::overflow(
    const Settings &settings, Kind kind, qsizetype added, Editable *group)
{
    if (added <= 0)
        return std::nullopt;
    auto *favoriteGroup
        = group && group->typeCode() == FavoriteGroupType ? static_cast<FavoriteGroup *>(group) : nullptr;
    const Use use { kind, countOf(settings, kind, group), limitOf(settings.capacity(), kind), added,
        favoriteGroup };
    return use.over() ? std::optional<Use>(use) : std::nullopt;
}

QList<CapacityCheck::Use> CapacityCheck::uses(const Settings &settings)
{
    const SettingsCapacity &room = settings.capacity();
    QList<Use> uses;
    for (Kind kind :
        { Kind::Satellites, Kind::Transponders, Kind::Providers, Kind::Channels, Kind::FavoriteGroups })
        uses.append({ kind, countOf(settings, kind, nullptr), limitOf(room, kind) });
    const ChannelList &mainList = settings.mainChannelList();
    for (FavoriteGroup *group : settings.favoriteGroups()) {
        // A channel that only the group holds has no slot to be written to.
        qsizetype written = 0;
        for (Channel *channel : settings.channelsOf(group))
            written += mainList.contains(channel) ? 1 : 0;
        uses.append({ Kind::GroupChannels, written, room.channelsPerGroup, 0, group });
    }
    return uses;
}
