#include "snapshot/settingssnapshot.h"

#include "model/channel.h"
#include "model/favoritegroup.h"
#include "model/provider.h"
#include "model/satellite.h"
#include "model/transponder.h"
#include "snapshot/snapshotreader.h"
#include "snapshot/snapshotrecords.h"
#include "snapshot/snapshotwriter.h"
#include "store/settings.h"
#include "store/storelists.h"

#include <QHash>

#include <memory>
#include <vector>

using SnapshotEncoding::FormatTag;
using SnapshotEncoding::FormatVersion;

namespace {

template<typename T> QHash<const T *, int> positionsOf(const QList<T *> &list)
{
    QHash<const T *, int> positions;
    positions.reserve(list.size());
    for (int i = 0; i < list.size(); ++i)
        positions.insert(list.at(i), i);
    return positions;
}

template<typename T> quint64 referenceTo(const QHash<const T *, int> &positions, const T *object)
{
    return quint64(positions.value(object, -1) + 1);
}

// Channels are numbered by their place in the main list, then the channels
// that only a group holds, in the order first met.
class ChannelNumbers
{
public:
    ChannelNumbers(const ChannelList &mainList, const QList<Channel *> &groupOnly)
        : m_mainList(mainList)
        , m_groupOnly(positionsOf(groupOnly))
    { }
    quint64 operator()(Channel *channel) const
    {
        const int position = m_mainList.indexOf(channel);
        return quint64(position >= 0 ? position : m_mainList.count() + m_groupOnly.value(channel));
    }

private:
    const ChannelList &m_mainList;
    QHash<const Channel *, int> m_groupOnly;
};

void writeGroupList(SnapshotWriter &out, const StoreLists::Channels &list, const ChannelNumbers &numberOf)
{
    out.number(quint64(list.channels.size()));
    out.number(quint64(list.tvCount));
    for (Channel *channel : list.channels)
        out.number(numberOf(channel));
}

// Objects made from a snapshot before they go into the store; whatever is
// left here when reading fails is deleted with it.
struct Content
{
    std::vector<std::unique_ptr<Satellite>> satellites;
    std::vector<std::unique_ptr<Transponder>> transponders;
    std::vector<std::unique_ptr<Provider>> providers;
    std::vector<std::unique_ptr<Channel>> channels;
    std::vector<std::unique_ptr<FavoriteGroup>> groups;
    struct List
    {
        QList<Channel *> channels;
        int tvCount = 0;
    };
    List mainList;
    std::vector<List> groupLists;
    quint64 highestId = 0;
};

template<typename T> Editable *objectAt(const std::vector<std::unique_ptr<T>> &objects, quint64 reference)
{
    return objects.at(size_t(reference - 1)).get();
}

// A record's reference is a position plus one into the objects of its kind.
template<typename Objects> std::optional<Editable *> atPosition(const Objects &objects, quint64 reference)
{
    if (reference == 0)
        return nullptr;
    if (reference > quint64(objects.size()))
        return std::nullopt;
    return objectAt(objects, reference);
}

template<typename Satellites, typename Providers, typename Transponders>
SnapshotRecords::Resolve positionsIn(
    const Satellites &satellites, const Providers &providers, const Transponders &transponders)
{
    return [&](int type, quint64 reference) -> std::optional<Editable *> {
        switch (type) {
        case SatelliteType:
            return atPosition(satellites, reference);
        case ProviderType:
            return atPosition(providers, reference);
        case TransponderType:
            return atPosition(transponders, reference);
        default:
            return std::nullopt;
        }
    };
}

// The main list holds the first count channels in their order.
Content::List readMainList(SnapshotReader &in, const Content &content)
{
    Content::List list;
    const qsizetype count = in.bounded<qsizetype>(content.channels.size());
    list.tvCount = in.bounded<int>(quint64(count));
    list.channels.reserve(count);
    for (qsizetype i = 0; i < count && !in.failed(); ++i)
        list.channels.append(content.channels.at(size_t(i)).get());
    return list;
}

Content::List readGroupList(SnapshotReader &in, const Content &content)
{
    Content::List list;
    const qsizetype count = in.count();
    list.tvCount = in.bounded<int>(quint64(count));
    list.channels.reserve(count);
    for (qsizetype i = 0; i < count && !in.failed(); ++i) {
        const qsizetype number = in.index(qsizetype(content.channels.size()));
        list.channels.append(in.failed() ? nullptr : content.channels.at(size_t(number)).get());
    }
    if (list.channels.contains(nullptr))
        in.fail();
    return list;
}

// Damaged bytes could leave a channel in no list, which nothing would ever
// delete, or put one into a list twice, which a list never holds.
bool everyChannelHeldOnce(const Content &content)
{
    QSet<const Channel *> held(content.mainList.channels.cbegin(), content.mainList.channels.cend());
    for (const Content::List &list : content.groupLists) {
        const QSet<const Channel *> members(list.channels.cbegin(), list.channels.cend());
        if (members.size() != list.channels.size())
            return false;
        held.unite(members);
    }
    return held.size() == qsizetype(content.channels.size());
}

// Channels that only a group holds, in the order first met.
QList<Channel *> groupOnlyChannels(const Settings &s, const StoreLists &lists)
{
    QList<Channel *> groupOnly;
    QSet<const Channel *> seen;
    for (const StoreLists::Channels &list : lists.groupLists) {
        for (Channel *channel : list.channels) {
            if (!s.mainChannelList().contains(channel) && !seen.contains(channel)) {
                seen.insert(channel);
                groupOnly.append(channel);
            }
        }
    }
    return groupOnly;
}

void writeContent(const Settings &s, SnapshotWriter &out)
{
    const StoreLists lists = s.lists();
    const QList<Channel *> groupOnly = groupOnlyChannels(s, lists);
    const ChannelNumbers channelNumber(s.mainChannelList(), groupOnly);
    const auto satellites = positionsOf(lists.satellites);
    const auto transponders = positionsOf(lists.transponders);
    const auto providers = positionsOf(lists.providers);
    auto record = [&out](const Editable *x, const auto &writeRecord) {
        out.id(x->id());
        writeRecord();
    };

    out.number(quint64(lists.satellites.size()));
    for (const Satellite *x : lists.satellites)
        record(x, [&] { SnapshotRecords::writeSatellite(out, x); });
    out.number(quint64(lists.transponders.size()));
    for (const Transponder *x : lists.transponders) {
        record(x, [&] {
            SnapshotRecords::writeTransponder(
                out, x, referenceTo(satellites, static_cast<const Satellite *>(x->satellite())));
        });
    }
    out.number(quint64(lists.providers.size()));
    for (const Provider *x : lists.providers)
        record(x, [&] { SnapshotRecords::writeNamed(out, x); });
    const QList<Channel *> channels = lists.main.channels + groupOnly;
    out.number(quint64(channels.size()));
    for (const Channel *x : channels) {
        record(x, [&] {
            SnapshotRecords::writeChannel(out, x,
                referenceTo(providers, static_cast<const Provider *>(x->provider())),
                referenceTo(transponders, static_cast<const Transponder *>(x->transponder())));
        });
    }
    out.number(quint64(lists.main.channels.size()));
    out.number(quint64(lists.main.tvCount));
    out.number(quint64(lists.groups.size()));
    for (qsizetype i = 0; i < lists.groups.size(); ++i) {
        const FavoriteGroup *x = lists.groups.at(i);
        record(x, [&] { SnapshotRecords::writeNamed(out, x); });
        writeGroupList(out, lists.groupLists.at(i), channelNumber);
    }
}

bool readContent(SnapshotReader &in, Content &c)
{
    auto make = [&in, &c](auto &objects) {
        using T = typename std::remove_reference_t<decltype(objects)>::value_type::element_type;
        objects.push_back(std::make_unique<T>());
        T *object = objects.back().get();
        object->restoreId(in.id());
        c.highestId = std::max(c.highestId, object->id());
        return object;
    };
    const SnapshotRecords::Resolve resolve = positionsIn(c.satellites, c.providers, c.transponders);
    for (qsizetype i = in.count(); i > 0 && !in.failed(); --i)
        SnapshotRecords::readSatellite(in, make(c.satellites));
    for (qsizetype i = in.count(); i > 0 && !in.failed(); --i)
        SnapshotRecords::readTransponder(in, make(c.transponders), resolve);
    for (qsizetype i = in.count(); i > 0 && !in.failed(); --i)
        SnapshotRecords::readNamed(in, make(c.providers));
    for (qsizetype i = in.count(); i > 0 && !in.failed(); --i)
        SnapshotRecords::readChannel(in, make(c.channels), resolve);
    c.mainList = readMainList(in, c);
    for (qsizetype i = in.count(); i > 0 && !in.failed(); --i) {
        FavoriteGroup *x = make(c.groups);
        SnapshotRecords::readNamed(in, x);
        c.groupLists.push_back(readGroupList(in, c));
    }
    return !in.failed() && in.atEnd() && everyChannelHeldOnce(c);
}

// Hands every object read over to the store, in place of its content.
void install(Settings &s, Content &c)
{
    Editable::reserveIdsUpTo(c.highestId);
    StoreLists lists;
    auto release = [](auto &objects, auto &list) {
        list.reserve(qsizetype(objects.size()));
        for (auto &object : objects)
            list.append(object.release());
    };
    release(c.satellites, lists.satellites);
    release(c.transponders, lists.transponders);
    release(c.providers, lists.providers);
    release(c.groups, lists.groups);
    // The lists hold every channel.
    for (auto &channel : c.channels)
        (void)channel.release();
    lists.main = { c.mainList.channels, c.mainList.tvCount };
    for (const Content::List &list : c.groupLists)
        lists.groupLists.append({ list.channels, list.tvCount });
    s.setLists(lists);
}

} // namespace

SettingsSnapshot SettingsSnapshot::capture(const Settings &settings)
{
    QByteArray data;
    // About 55 bytes a channel for a typical file: one allocation mostly.
    data.reserve(60 * settings.mainChannelList().count() + 16 * settings.transponders().size() + 4096);
    data.append(FormatTag);
    data.append(FormatVersion);
    {
        SnapshotWriter out(data);
        writeContent(settings, out);
    }
    // Snapshots are kept by the hundred: none keeps the slack of the reserve.
    data.squeeze();
    return SettingsSnapshot(std::move(data));
}

bool SettingsSnapshot::restore(Settings &settings) const
{
    if (m_data.size() < 2 || m_data.at(0) != FormatTag || m_data.at(1) != FormatVersion)
        return false;
    SnapshotReader in(m_data, 2);
    Content content;
    if (!readContent(in, content))
        return false;
    install(settings, content);
    return true;
}

std::optional<SettingsSnapshot> SettingsSnapshot::fromBytes(const QByteArray &bytes)
{
    if (bytes.size() < 2 || bytes.at(0) != FormatTag || bytes.at(1) != FormatVersion)
        return std::nullopt;
    return SettingsSnapshot(bytes);
}
