#include "compare/settingscomparison.h"

#include "compare/orderchanges.h"
#include "compare/tuningkey.h"
#include "model/channel.h"
#include "model/favoritegroup.h"
#include "model/provider.h"
#include "model/satellite.h"
#include "model/transponder.h"
#include "reference/referencelist.h"
#include "reference/referencematch.h"
#include "store/settings.h"

#include <QSet>

#include <functional>

#include <algorithm>

namespace {

QString text(const QString &value)
{
    return u'"' + value + u'"';
}
QString text(int value)
{
    return QString::number(value);
}
QString text(const QSet<int> &flags)
{
    QList<int> sorted(flags.cbegin(), flags.cend());
    std::sort(sorted.begin(), sorted.end());
    QStringList parts;
    for (int flag : sorted)
        parts.append(QString::number(flag));
    return u'{' + parts.join(u',') + u'}';
}

// Collects the fields whose values differ.
class FieldComparer
{
public:
    template<typename T> void operator()(const char *field, const T &here, const T &there)
    {
        if (!(here == there))
            changes.append({ QLatin1String(field), text(here), text(there) });
    }

    QList<FieldChange> changes;
};

// Pairs objects of two lists with equal keys, first come first served; the
// rest are reported as only in one file.
template<typename T, typename KeyOf, typename Compare>
void pairUp(const QList<T *> &here, const QList<T *> &there, int type, KeyOf keyOf, Compare compare,
    const std::function<void(Difference)> &add)
{
    using Key = decltype(keyOf(here.constFirst()));
    QHash<Key, QList<T *>> waiting;
    for (T *object : there)
        waiting[keyOf(object)].append(object);
    QSet<const T *> taken;
    for (T *object : here) {
        auto found = waiting.find(keyOf(object));
        if (found == waiting.end() || found->isEmpty()) {
            add({ Difference::Kind::OnlyHere, type, object, nullptr, object->displayText(), {} });
            continue;
        }
        T *match = found->takeFirst();
        taken.insert(match);
        FieldComparer comparer;
        compare(comparer, object, match);
        if (!comparer.changes.isEmpty())
            add({ Difference::Kind::Changed, type, object, match, object->displayText(), comparer.changes });
    }
    for (T *object : there)
        if (!taken.contains(object))
            add({ Difference::Kind::OnlyThere, type, nullptr, object, object->displayText(), {} });
}

int positionOf(const Transponder *transponder)
{
    const Satellite *satellite = transponder ? transponder->satellite() : nullptr;
    return satellite ? satellite->position() : -1;
}

QString nameOf(const Provider *provider)
{
    return provider ? provider->name() : QString();
}

// Where a file without PMT PIDs in its channel records (a 2XX's) takes
// part, the PMT PID is no difference a user could act on.
bool bothHoldPmtPids(const Settings &here, const Settings &there)
{
    return here.rules().channelPmtPid && there.rules().channelPmtPid;
}

void compareChannel(FieldComparer &field, const Channel *here, const Channel *there, bool pmtPids)
{
    field("name", here->name(), there->name());
    const Transponder *a = here->transponder();
    const Transponder *b = there->transponder();
    field("service-id", int(here->serviceId()), int(there->serviceId()));
    field("onid", a ? int(a->originalNetworkId()) : -1, b ? int(b->originalNetworkId()) : -1);
    field("tsid", a ? int(a->transportStreamId()) : -1, b ? int(b->transportStreamId()) : -1);
    field("service-type", here->serviceType(), there->serviceType());
    field("video-pid", int(here->videoPid()), int(there->videoPid()));
    field("audio-pid", int(here->audioPid()), int(there->audioPid()));
    field("pcr-pid", int(here->pcrPid()), int(there->pcrPid()));
    if (pmtPids)
        field("pmt-pid", int(here->pmtPid()), int(there->pmtPid()));
    field("provider", nameOf(here->provider()), nameOf(there->provider()));
    field("satellite", positionOf(a), positionOf(b));
    field("frequency", a ? int(a->frequency()) : -1, b ? int(b->frequency()) : -1);
    field("polarization", a ? a->polarization() : -1, b ? b->polarization() : -1);
    field("symbol-rate", a ? int(a->symbolRate()) : -1, b ? int(b->symbolRate()) : -1);
    field("flags", here->flags(), there->flags());
}

// The places that differ between two orders of the same paired channels:
// each channel of this file that broke the order gets its two positions.
// pairedHere holds the channels of this file that have a partner there.
void addMoves(const QList<Channel *> &hereOrder, const QList<Channel *> &thereOrder,
    const QHash<const Channel *, const Channel *> &hereOf, const QSet<const Channel *> &pairedHere,
    const QString &field, QHash<const Channel *, QList<FieldChange>> &moves)
{
    QHash<const Channel *, int> herePosition;
    herePosition.reserve(hereOrder.size());
    for (int i = 0; i < hereOrder.size(); ++i)
        herePosition.insert(hereOrder.at(i), i);
    QList<int> positions;
    QList<std::pair<const Channel *, int>> paired;
    QSet<const Channel *> inThere;
    for (int i = 0; i < thereOrder.size(); ++i) {
        const Channel *here = hereOf.value(thereOrder.at(i));
        if (!here)
            continue;
        inThere.insert(here);
        const int position = herePosition.value(here, -1);
        if (position < 0) {
            moves[here].append({ field, QStringLiteral("-"), text(i + 1) });
            continue;
        }
        positions.append(position);
        paired.append({ here, i });
    }
    const QList<bool> moved = outOfOrder(positions);
    for (qsizetype i = 0; i < paired.size(); ++i)
        if (moved.at(i))
            moves[paired.at(i).first].append(
                { field, text(positions.at(i) + 1), text(paired.at(i).second + 1) });
    // A channel of both files that only this file has in the group left it.
    for (int i = 0; i < hereOrder.size(); ++i) {
        const Channel *here = hereOrder.at(i);
        if (pairedHere.contains(here) && !inThere.contains(here))
            moves[here].append({ field, text(i + 1), QStringLiteral("-") });
    }
}

} // namespace

SettingsComparison::SettingsComparison(const Settings &here, const Settings &there)
{
    compareSatellites(here, there);
    compareTransponders(here, there);
    compareProviders(here, there);
    compareChannels(here, there);
}

void SettingsComparison::add(Difference difference)
{
    ++m_counts[int(difference.kind)];
    m_differences.append(std::move(difference));
}

void SettingsComparison::compareSatellites(const Settings &here, const Settings &there)
{
    pairUp(
        here.satellites(), there.satellites(), SatelliteType,
        [](const Satellite *s) { return int(s->position()); },
        [](FieldComparer &field, const Satellite *a, const Satellite *b) {
            field("name", a->name(), b->name());
            field("low-lof", int(a->lowLof()), int(b->lowLof()));
            field("high-lof", int(a->highLof()), int(b->highLof()));
            field("diseqc", a->diseqc(), b->diseqc());
            field("tone", a->tone(), b->tone());
            field("diseqc12", int(a->diseqc12()), int(b->diseqc12()));
            field("diseqc12-position", int(a->diseqc12Position()), int(b->diseqc12Position()));
            field("diseqc11", a->diseqc11(), b->diseqc11());
        },
        [this](Difference d) { add(std::move(d)); });
}

void SettingsComparison::compareTransponders(const Settings &here, const Settings &there)
{
    const auto label = [](Difference &d) {
        const auto *t = static_cast<const Transponder *>(d.here ? d.here : d.there);
        if (const Satellite *satellite = t->satellite())
            d.label = satellite->name() + u' ' + d.label;
    };
    pairUp(
        here.transponders(), there.transponders(), TransponderType,
        [](const Transponder *t) { return tuningKey(t); },
        [](FieldComparer &field, const Transponder *a, const Transponder *b) {
            field("symbol-rate", int(a->symbolRate()), int(b->symbolRate()));
            field("onid", int(a->originalNetworkId()), int(b->originalNetworkId()));
            field("tsid", int(a->transportStreamId()), int(b->transportStreamId()));
            field("nid", int(a->networkId()), int(b->networkId()));
        },
        [&](Difference d) {
            label(d);
            add(std::move(d));
        });
}

void SettingsComparison::compareProviders(const Settings &here, const Settings &there)
{
    pairUp(
        here.providers(), there.providers(), ProviderType, [](const Provider *p) { return p->name(); },
        [](FieldComparer &, const Provider *, const Provider *) {},
        [this](Difference d) { add(std::move(d)); });
}

void SettingsComparison::compareChannels(const Settings &here, const Settings &there)
{
    const QList<Channel *> thereChannels = there.channels();
    // Pairing is the one applying another file's order uses, with the
    // other file as the reference: entry i is the other file's channel i.
    const ReferenceMatch match(here.mainChannelList(), ReferenceList::fromSettings(there));
    QHash<const Channel *, const Channel *> hereOf;
    hereOf.reserve(thereChannels.size());
    const bool pmtPids = bothHoldPmtPids(here, there);
    for (const Channel *channel : match.unmatched())
        add({ Difference::Kind::OnlyHere, ChannelType, channel, nullptr, channel->name(), {} });
    for (int i = 0; i < thereChannels.size(); ++i) {
        const Channel *theirs = thereChannels.at(i);
        const Channel *ours = match.channelOfEntry().at(i);
        if (!ours) {
            add({ Difference::Kind::OnlyThere, ChannelType, nullptr, theirs, theirs->name(), {} });
            continue;
        }
        hereOf.insert(theirs, ours);
        FieldComparer comparer;
        compareChannel(comparer, ours, theirs, pmtPids);
        if (!comparer.changes.isEmpty())
            add({ Difference::Kind::Changed, ChannelType, ours, theirs, ours->name(), comparer.changes });
    }
    const QHash<const Channel *, QList<FieldChange>> moves = orderChanges(here, there, hereOf);
    if (moves.isEmpty())
        return;
    for (const Channel *theirs : thereChannels) {
        const Channel *ours = hereOf.value(theirs);
        if (const auto found = moves.constFind(ours); ours && found != moves.cend())
            add({ Difference::Kind::Moved, ChannelType, ours, theirs, ours->name(), *found });
    }
}

QHash<const Channel *, QList<FieldChange>> SettingsComparison::orderChanges(
    const Settings &here, const Settings &there, const QHash<const Channel *, const Channel *> &hereOf) const
{
    QHash<const Channel *, QList<FieldChange>> moves;
    // Made once: every group's order is compared against it.
    QSet<const Channel *> pairedHere;
    pairedHere.reserve(hereOf.size());
    for (const Channel *ours : hereOf)
        pairedHere.insert(ours);
    addMoves(here.channels(), there.channels(), hereOf, pairedHere, QStringLiteral("position"), moves);
    // Groups pair up by their place among the file's groups, as the
    // receiver numbers them.
    const QList<FavoriteGroup *> hereGroups = here.favoriteGroups();
    const QList<FavoriteGroup *> thereGroups = there.favoriteGroups();
    for (qsizetype i = 0; i < std::min(hereGroups.size(), thereGroups.size()); ++i)
        addMoves(here.channelsOf(hereGroups.at(i)), there.channelsOf(thereGroups.at(i)), hereOf, pairedHere,
            QStringLiteral("group:")
                + (hereGroups.at(i)->name().isEmpty() ? QString::number(i + 1) : hereGroups.at(i)->name()),
            moves);
    return moves;
}
