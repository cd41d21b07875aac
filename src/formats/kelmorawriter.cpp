#include "formats/kelmorawriter.h"

#include "formats/flatimage.h"
#include "formats/kelmoralayout.h"
#include "formats/kelmorarecords.h"
#include "model/channel.h"
#include "model/favoritegroup.h"
#include "model/provider.h"
#include "model/satellite.h"
#include "model/transponder.h"
#include "store/settings.h"

#include <QHash>

#include <algorithm>

namespace {

template<typename T> QHash<const T *, int> positionsIn(const QList<T *> &list)
{
    QHash<const T *, int> positions;
    positions.reserve(list.size());
    for (int i = 0; i < list.size(); ++i)
        positions.insert(list.at(i), i);
    return positions;
}

} // namespace

KelmoraWriter::KelmoraWriter(const KelmoraLayout &layout)
    : m_layout(layout)
    , m_slotsHoldingBytes { layout.satelliteMax, layout.transponderMax, layout.providerMax,
        layout.channelMax }
{ }

void KelmoraWriter::write(const Settings &settings, FlatImage &image, KelmoraRecords &records)
{
    const KelmoraLayout &l = m_layout;
    const QList<Satellite *> satellites = settings.satellites();
    const QList<Transponder *> transponders = settings.transponders();
    const QList<Provider *> providers = settings.providers();
    const ChannelList &channels = settings.mainChannelList();
    const QHash<const Satellite *, int> satellitePositions = positionsIn(satellites);
    const QHash<const Transponder *, int> transponderPositions = positionsIn(transponders);
    const QHash<const Provider *, int> providerPositions = positionsIn(providers);
    QHash<const Satellite *, int> transponderCounts;
    for (const Transponder *transponder : transponders)
        ++transponderCounts[transponder->satellite()];

    image.setWord(l.satelliteCountOffset, int(satellites.size()));
    image.setWord(l.transponderCountOffset, int(transponders.size()));
    image.setWord(l.providerCountOffset, int(providers.size()));
    image.setWord(l.channelCountOffset, channels.count());
    image.setWord(l.tvChannelCountOffset, channels.tvCount());

    // Slots up to the count get the objects in list order; the rest are
    // cleared as far as they may hold bytes. The writes stay bounded by the
    // table whatever the counts.
    auto storeTable = [&records](int tableOffset, int recordSize, int slotCount, int used, int &holdingBytes,
                          auto write) {
        const int written = std::min(used, slotCount);
        for (int slot = 0; slot < written; ++slot)
            write(slot);
        records.clearSlots(tableOffset, recordSize, written, holdingBytes);
        holdingBytes = written;
    };
    SlotsHoldingBytes &held = m_slotsHoldingBytes;
    storeTable(l.satelliteTableOffset, l.satelliteRecordSize, l.satelliteMax, int(satellites.size()),
        held.satellites, [&](int slot) {
            const Satellite *satellite = satellites.at(slot);
            records.writeSatellite(*satellite, slot, transponderCounts.value(satellite));
        });
    storeTable(l.transponderTableOffset, l.transponderRecordSize, l.transponderMax, int(transponders.size()),
        held.transponders, [&](int slot) {
            const Transponder *transponder = transponders.at(slot);
            records.writeTransponder(
                *transponder, slot, satellitePositions.value(transponder->satellite(), -1));
        });
    storeTable(l.providerTableOffset, l.providerRecordSize, l.providerMax, int(providers.size()),
        held.providers, [&](int slot) { records.writeProvider(*providers.at(slot), slot); });
    storeTable(l.channelTableOffset, l.channelRecordSize, l.channelMax, channels.count(), held.channels,
        [&](int slot) {
            const Channel *channel = channels.at(slot);
            records.writeChannel(*channel, slot, providerPositions.value(channel->provider(), -1),
                transponderPositions.value(channel->transponder(), -1));
        });

    const QList<FavoriteGroup *> groups = settings.favoriteGroups();
    for (int slot = 0; slot < std::min<int>(int(groups.size()), l.favoriteGroupCount); ++slot) {
        // The group's list keeps its TV channels first, which the record
        // wants; a channel that only the group holds has no slot to name.
        QList<std::pair<int, bool>> members;
        for (Channel *channel : settings.channelsOf(groups.at(slot)))
            if (const int position = channels.indexOf(channel); position >= 0)
                members.append({ position, channel->isTv() });
        records.writeFavoriteGroup(*groups.at(slot), slot, members);
    }
}
