#include "reference/applyreferenceorder.h"

#include "model/channel.h"
#include "model/favoritegroup.h"
#include "reference/referencelist.h"
#include "store/capacitycheck.h"
#include "store/settings.h"

#include <algorithm>

namespace {

void takeNames(const ReferenceList &reference, const ReferenceMatch &match)
{
    const QList<Channel *> &channelOf = match.channelOfEntry();
    for (int i = 0; i < channelOf.size(); ++i) {
        Channel *channel = channelOf.at(i);
        const QString &name = reference.entries().at(i).name;
        // An empty field says nothing about the name; it must not blank one.
        if (channel && match.matchedByKey(i) && !name.isEmpty() && channel->name() != name)
            channel->setName(name);
    }
}

void takeFavorites(Settings &settings, const ReferenceList &reference, const ReferenceMatch &match)
{
    const QList<FavoriteGroup *> groups = settings.favoriteGroups();
    const int count = int(std::min(groups.size(), reference.groups().size()));
    for (int g = 0; g < count; ++g) {
        FavoriteGroup *group = groups.at(g);
        const ReferenceGroup &source = reference.groups().at(g);
        if (group->name() != source.name)
            group->setName(source.name);
        // Through the store, so a channel only this group held is deleted
        // with its last reference rather than lost.
        settings.removeChannels(group, settings.channelsOf(group));
        ChannelList *list = settings.channelListFor(group);
        for (int entry : source.members) {
            Channel *channel = match.channelOfEntry().value(entry);
            // More than the file can hold would make the save refuse.
            if (channel && !CapacityCheck::overflow(settings, CapacityCheck::Kind::GroupChannels, 1, group))
                list->append(channel);
        }
        list->setModified();
    }
}

void reorderMainList(Settings &settings, const QList<Channel *> &order)
{
    ChannelList *list = settings.channelListFor(nullptr);
    // Appending an order that already has TV ahead of radio keeps every
    // append at the end of its block, so the rebuild stays linear.
    list->remove(list->channels());
    for (Channel *channel : order)
        list->append(channel);
    list->setModified();
}

} // namespace

ReferenceMatch applyReferenceOrder(
    Settings &settings, const ReferenceList &reference, const ApplyOrderOptions &options)
{
    return applyReferenceOrder(
        settings, reference, ReferenceMatch(settings.mainChannelList(), reference), options);
}

ReferenceMatch applyReferenceOrder(Settings &settings, const ReferenceList &reference,
    const ReferenceMatch &preview, const ApplyOrderOptions &options)
{
    if (!preview.isFor(settings.mainChannelList()))
        return applyReferenceOrder(settings, reference, options);
    const ReferenceMatch &match = preview;
    const bool wasSuspended = settings.setUpdatesSuspended(true);
    if (options.takeNames)
        takeNames(reference, match);
    reorderMainList(settings, match.newOrder());
    if (options.takeFavorites)
        takeFavorites(settings, reference, match);
    if (options.dropUnmatched && !match.unmatched().isEmpty())
        settings.removeChannels(nullptr, match.unmatched());
    settings.setUpdatesSuspended(wasSuspended);
    settings.emitPendingUpdates();
    return match;
}
