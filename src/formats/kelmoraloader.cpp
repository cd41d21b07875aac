#include "formats/kelmoraloader.h"

#include "formats/flatimage.h"
#include "formats/kelmoralayout.h"
#include "formats/kelmorarecords.h"
#include "model/channel.h"
#include "model/favoritegroup.h"
#include "model/satellite.h"
#include "store/settings.h"

#include <algorithm>

namespace {

template<typename T, typename Read> QList<T *> readTable(int count, Read read)
{
    QList<T *> objects;
    objects.reserve(count);
    for (int slot = 0; slot < count; ++slot)
        objects.append(read(slot));
    return objects;
}

void loadFavoriteGroups(Settings &settings, const KelmoraLayout &layout, const KelmoraRecords &records)
{
    // All slots are in use, whatever they hold.
    for (int slot = 0; slot < layout.favoriteGroupCount; ++slot) {
        FavoriteGroup *group = records.readFavoriteGroup(slot);
        settings.addFavoriteGroup(group);
        const ChannelList &channels = settings.mainChannelList();
        QList<Channel *> members;
        for (int position : records.favoriteGroupEntries(slot))
            // Entries that name no loaded channel are dropped; a repeated
            // entry is ignored by the group's list itself.
            if (position < channels.count())
                members.append(channels.at(position));
        settings.addChannels(group, members);
    }
}

} // namespace

void KelmoraLoader::load(
    Settings &settings, const FlatImage &image, const KelmoraLayout &layout, KelmoraRecords &records)
{
    const KelmoraLayout &l = layout;
    const auto count = [&image](int offset, int max) { return std::min<int>(image.wordAt(offset), max); };
    const int tvCount = count(l.tvChannelCountOffset, l.channelMax);

    settings.addSatellites(readTable<Satellite>(count(l.satelliteCountOffset, l.satelliteMax),
        [&records](int slot) { return records.readSatellite(slot); }));
    // The receiver expects the satellite of its last used slot to stay last.
    if (!settings.satellites().isEmpty())
        settings.satellites().constLast()->setKeepLast(true);
    const QList<Satellite *> satellites = settings.satellites();
    settings.addTransponders(readTable<Transponder>(count(l.transponderCountOffset, l.transponderMax),
        [&](int slot) { return records.readTransponder(slot, satellites); }));
    settings.addProviders(readTable<Provider>(count(l.providerCountOffset, l.providerMax),
        [&records](int slot) { return records.readProvider(slot); }));

    // The table holds the TV channels first; the header says how many.
    const int before = settings.mainChannelList().count();
    const QList<Provider *> providers = settings.providers();
    const QList<Transponder *> transponders = settings.transponders();
    settings.addChannels(
        nullptr, readTable<Channel>(count(l.channelCountOffset, l.channelMax), [&](int slot) {
            return records.readChannel(slot, before + slot < tvCount, providers, transponders);
        }));
    loadFavoriteGroups(settings, layout, records);
}
