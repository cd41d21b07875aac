#include "commands/stepdescription.h"

#include "model/channel.h"
#include "model/editable.h"
#include "snapshot/snapshotrecords.h"
#include "store/storelists.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <array>
#include <vector>

namespace {

// The kinds in the order a step is named by: deleting a satellite takes its
// transponders and channels along, yet the user deleted a satellite.
constexpr std::array<int, 5> rankedTypes { SatelliteType, TransponderType, ProviderType, FavoriteGroupType,
    ChannelType };

// How many objects of each kind a step touched.
struct Tally
{
    QHash<int, int> counts;

    void add(int type) { ++counts[type]; }
    bool isEmpty() const { return counts.isEmpty(); }
    int highestType() const
    {
        for (int type : rankedTypes)
            if (counts.contains(type))
                return type;
        return counts.isEmpty() ? -1 : counts.constBegin().key();
    }
    int countOf(int type) const { return counts.value(type); }
    // The one kind this tally holds, or -1 for several.
    int onlyType() const { return counts.size() == 1 ? counts.constBegin().key() : -1; }
};

Tally tallyOf(const QList<Editable *> &objects)
{
    Tally tally;
    for (const Editable *object : objects)
        tally.add(object->typeCode());
    return tally;
}

// The fewest objects that moved to turn one order into the other: those
// outside the longest run that kept its relative order.
template<typename T> int movedCount(const QList<T *> &before, const QList<T *> &after)
{
    QHash<const T *, int> positionBefore;
    positionBefore.reserve(before.size());
    for (int i = 0; i < before.size(); ++i)
        positionBefore.insert(before.at(i), i);
    std::vector<int> tails;
    int common = 0;
    for (const T *object : after) {
        const auto found = positionBefore.constFind(object);
        if (found == positionBefore.cend())
            continue;
        ++common;
        const auto place = std::lower_bound(tails.begin(), tails.end(), *found);
        if (place == tails.end())
            tails.push_back(*found);
        else
            *place = *found;
    }
    return common - int(tails.size());
}

struct Membership
{
    int added = 0;
    int removed = 0;
};

// Channels that came into or left the favourite groups both sides have.
Membership groupMembership(const StoreLists &before, const StoreLists &after)
{
    Membership change;
    for (qsizetype i = 0; i < after.groups.size(); ++i) {
        const qsizetype old = before.groups.indexOf(after.groups.at(i));
        if (old < 0 || StoreLists::same(before.groupLists.at(old).channels, after.groupLists.at(i).channels))
            continue;
        const QList<Channel *> &wasList = before.groupLists.at(old).channels;
        const QList<Channel *> &isList = after.groupLists.at(i).channels;
        const QSet<Channel *> was(wasList.cbegin(), wasList.cend());
        const QSet<Channel *> is(isList.cbegin(), isList.cend());
        change.added += int(QSet<Channel *>(is).subtract(was).size());
        change.removed += int(QSet<Channel *>(was).subtract(is).size());
    }
    return change;
}

struct Edits
{
    Tally edited;
    bool namesOnly = true;
    Tally moved;
    // The kind the moved objects went to.
    int movedTo = -1;
};

Edits editsOf(const QList<StepDescription::Change::Edit> &changes)
{
    Edits edits;
    for (const StepDescription::Change::Edit &edit : changes) {
        const auto old = SnapshotRecords::view(edit.type, edit.before);
        const auto now = SnapshotRecords::view(edit.type, edit.after);
        // An object that left the store with the step counts as removed.
        if (!old || !now)
            continue;
        const bool renamed = old->name != now->name;
        if (renamed || old->properties != now->properties) {
            edits.edited.add(edit.type);
            edits.namesOnly = edits.namesOnly && old->properties == now->properties;
        }
        if (old->owner != now->owner || old->transponder != now->transponder) {
            edits.moved.add(edit.type);
            edits.movedTo = edit.type == TransponderType ? SatelliteType
                : old->owner != now->owner               ? ProviderType
                                                         : TransponderType;
        }
    }
    return edits;
}

// How many objects moved within the lists, and of which kind (-1 for none,
// -2 for several).
std::pair<int, int> reordered(const StoreLists &before, const StoreLists &after)
{
    int moved = 0;
    int movedType = -1;
    auto compare = [&](int type, const auto &was, const auto &is) {
        if (StoreLists::same(was, is))
            return;
        moved += movedCount(was, is);
        movedType = movedType < 0 || movedType == type ? type : -2;
    };
    compare(SatelliteType, before.satellites, after.satellites);
    compare(TransponderType, before.transponders, after.transponders);
    compare(ProviderType, before.providers, after.providers);
    compare(ChannelType, before.main.channels, after.main.channels);
    for (qsizetype i = 0; i < after.groups.size(); ++i)
        if (const qsizetype old = before.groups.indexOf(after.groups.at(i)); old >= 0)
            compare(ChannelType, before.groupLists.at(old).channels, after.groupLists.at(i).channels);
    return { moved, movedType };
}

} // namespace

QString StepDescription::objects(int type, int count)
{
    switch (type) {
    case SatelliteType:
        return count == 1 ? tr("Satellite") : tr("%n Satellites", nullptr, count);
    case TransponderType:
        return count == 1 ? tr("Transponder") : tr("%n Transponders", nullptr, count);
    case ProviderType:
        return count == 1 ? tr("Provider") : tr("%n Providers", nullptr, count);
    case FavoriteGroupType:
        return count == 1 ? tr("Favorite Group") : tr("%n Favorite Groups", nullptr, count);
    default:
        return count == 1 ? tr("Channel") : tr("%n Channels", nullptr, count);
    }
}

QString StepDescription::describe(const Change &change)
{
    if (const Tally removed = tallyOf(change.removed); !removed.isEmpty()) {
        const int type = removed.highestType();
        return tr("Delete %1").arg(objects(type, removed.countOf(type)));
    }
    if (const Tally added = tallyOf(change.added); !added.isEmpty()) {
        const int type = added.highestType();
        return tr("Create %1").arg(objects(type, added.countOf(type)));
    }
    const bool listsChanged = change.listsBefore && change.listsAfter;
    const Membership membership
        = listsChanged ? groupMembership(*change.listsBefore, *change.listsAfter) : Membership();
    if (membership.added > 0 && membership.removed == 0)
        return tr("Add %1 to Group").arg(objects(ChannelType, membership.added));
    if (membership.removed > 0 && membership.added == 0)
        return tr("Remove %1 from Group").arg(objects(ChannelType, membership.removed));
    if (membership.added > 0)
        return tr("Edit");

    const Edits edits = editsOf(change.edits);
    if (!edits.edited.isEmpty()) {
        const int type = edits.edited.onlyType();
        if (type < 0 || (!edits.moved.isEmpty() && edits.moved.onlyType() != type))
            return tr("Edit");
        const QString what = objects(type, edits.edited.countOf(type));
        return edits.namesOnly && edits.moved.isEmpty() ? tr("Rename %1").arg(what) : tr("Edit %1").arg(what);
    }
    if (const int type = edits.moved.onlyType(); type >= 0) {
        return tr("Move %1 to %2").arg(objects(type, edits.moved.countOf(type)), objects(edits.movedTo, 1));
    }
    if (listsChanged) {
        const auto [moved, movedType] = reordered(*change.listsBefore, *change.listsAfter);
        if (moved > 0 && movedType >= 0)
            return tr("Move %1").arg(objects(movedType, moved));
    }
    return tr("Edit");
}
