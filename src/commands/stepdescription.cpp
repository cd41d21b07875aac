#include "commands/stepdescription.h"

#include "commands/settingsoutline.h"
#include "model/editable.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <vector>

namespace {

using Entries = QHash<quint64, SettingsOutline::Entry>;

// The kinds in the order a step is named by: deleting a satellite takes its
// transponders and channels along, yet the user deleted a satellite.
constexpr std::array<int, 5> rankedTypes { SatelliteType, TransponderType, ProviderType, FavoriteGroupType,
    ChannelType };

// How many objects of each kind a set of ids holds.
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

// Objects one outline has that the other lacks.
Tally missingFrom(const Entries &from, const Entries &in)
{
    Tally tally;
    for (auto it = from.cbegin(); it != from.cend(); ++it)
        if (!in.contains(it.key()))
            tally.add(it->type);
    return tally;
}

// The fewest objects that moved to turn one order into the other: those
// outside the longest run that kept its relative order.
int movedCount(const QList<quint64> &before, const QList<quint64> &after)
{
    QHash<quint64, int> positionBefore;
    positionBefore.reserve(before.size());
    for (int i = 0; i < before.size(); ++i)
        positionBefore.insert(before.at(i), i);
    std::vector<int> tails;
    int common = 0;
    for (quint64 id : after) {
        const auto found = positionBefore.constFind(id);
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

// Channels that came into or left the favourite groups both outlines have.
Membership groupMembership(const SettingsOutline &before, const SettingsOutline &after)
{
    Membership change;
    for (auto it = after.lists().cbegin(); it != after.lists().cend(); ++it) {
        const auto old = before.lists().constFind(it.key());
        if (it.key() <= 0 || old == before.lists().cend())
            continue;
        const QSet<quint64> was(old->ids.cbegin(), old->ids.cend());
        const QSet<quint64> is(it->ids.cbegin(), it->ids.cend());
        change.added += int(QSet<quint64>(is).subtract(was).size());
        change.removed += int(QSet<quint64>(was).subtract(is).size());
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

Edits editsBetween(const Entries &before, const Entries &after)
{
    Edits edits;
    for (auto it = after.cbegin(); it != after.cend(); ++it) {
        const auto old = before.constFind(it.key());
        if (old == before.cend())
            continue;
        const bool renamed = old->name != it->name;
        if (renamed || old->properties != it->properties) {
            edits.edited.add(it->type);
            edits.namesOnly = edits.namesOnly && old->properties == it->properties;
        }
        if (old->owner != it->owner || old->transponder != it->transponder) {
            edits.moved.add(it->type);
            edits.movedTo = it->type == TransponderType ? SatelliteType
                : old->owner != it->owner               ? ProviderType
                                                        : TransponderType;
        }
    }
    return edits;
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

QString StepDescription::describe(const SettingsOutline &before, const SettingsOutline &after)
{
    if (const Tally removed = missingFrom(before.entries(), after.entries()); !removed.isEmpty()) {
        const int type = removed.highestType();
        return tr("Delete %1").arg(objects(type, removed.countOf(type)));
    }
    if (const Tally added = missingFrom(after.entries(), before.entries()); !added.isEmpty()) {
        const int type = added.highestType();
        return tr("Create %1").arg(objects(type, added.countOf(type)));
    }
    const Membership membership = groupMembership(before, after);
    if (membership.added > 0 && membership.removed == 0)
        return tr("Add %1 to Group").arg(objects(ChannelType, membership.added));
    if (membership.removed > 0 && membership.added == 0)
        return tr("Remove %1 from Group").arg(objects(ChannelType, membership.removed));
    if (membership.added > 0)
        return tr("Edit");

    const Edits edits = editsBetween(before.entries(), after.entries());
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

    int moved = 0;
    int movedType = -1;
    for (auto it = after.lists().cbegin(); it != after.lists().cend(); ++it) {
        const auto old = before.lists().constFind(it.key());
        if (old == before.lists().cend() || old->ids == it->ids)
            continue;
        moved += movedCount(old->ids, it->ids);
        movedType = movedType < 0 || movedType == it->type ? it->type : -2;
    }
    if (moved > 0 && movedType >= 0)
        return tr("Move %1").arg(objects(movedType, moved));
    return tr("Edit");
}
