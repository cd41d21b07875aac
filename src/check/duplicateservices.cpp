#include "check/duplicateservices.h"

#include "model/channel.h"
#include "model/transponder.h"
#include "store/settings.h"

#include <QHash>
#include <QSet>

#include <array>

namespace {

// 65535 is what a transponder holds until its identifiers are known, so two
// transponders that both still carry it are not thereby the same stream.
constexpr quint16 UnknownId = 65535;

struct ServiceKey
{
    const void *satellite;
    quint64 ids;

    bool operator==(const ServiceKey &other) const
    {
        return satellite == other.satellite && ids == other.ids;
    }
};

size_t qHash(const ServiceKey &key, size_t seed = 0)
{
    return qHashMulti(seed, key.satellite, key.ids);
}

// The ways a channel's service is named: by the stream's identifiers when
// they are known, and always by where it is tuned. The two get disjoint key
// ranges through bit 48.
struct ServiceKeys
{
    std::array<ServiceKey, 2> keys;
    int count = 0;

    ServiceKeys(const Channel *channel, const Transponder *transponder)
    {
        const void *satellite = transponder->satellite();
        if (transponder->originalNetworkId() != UnknownId && transponder->transportStreamId() != UnknownId)
            keys[count++] = ServiceKey { satellite,
                quint64(transponder->originalNetworkId()) << 32
                    | quint64(transponder->transportStreamId()) << 16 | channel->serviceId() };
        const quint64 polarization = transponder->polarization() != 0 ? 1 : 0;
        keys[count++] = ServiceKey { satellite,
            quint64(1) << 48 | polarization << 47 | quint64(transponder->frequency()) << 16
                | channel->serviceId() };
    }
};

} // namespace

QList<DuplicateServices::Duplicate> DuplicateServices::find(const Settings &settings)
{
    const QList<Transponder *> transponderList = settings.transponders();
    // A reference to a transponder the store does not hold is never followed.
    const QSet<const Transponder *> known(transponderList.cbegin(), transponderList.cend());
    const QList<Channel *> channels = settings.channels();
    QHash<ServiceKey, Channel *> firstOfSet;
    firstOfSet.reserve(2 * channels.size());
    QList<Duplicate> duplicates;
    for (Channel *channel : channels) {
        const Transponder *transponder = channel->transponder();
        if (!known.contains(transponder))
            continue;
        // Looked up once each: the file check runs this after every edit.
        const ServiceKeys service(channel, transponder);
        std::array<bool, 2> missing {};
        Channel *first = nullptr;
        for (int i = 0; i < service.count; ++i) {
            const auto found = firstOfSet.constFind(service.keys[i]);
            missing[i] = found == firstOfSet.cend();
            if (!first && !missing[i])
                first = *found;
        }
        if (first)
            duplicates.append(Duplicate { channel, first });
        // The extra's other key joins the same set, so a chain of matches
        // leads back to one first channel.
        for (int i = 0; i < service.count; ++i)
            if (missing[i])
                firstOfSet.emplace(service.keys[i], first ? first : channel);
    }
    return duplicates;
}

QList<Channel *> DuplicateServices::extras(const Settings &settings)
{
    QList<Channel *> result;
    for (const Duplicate &duplicate : find(settings))
        result.append(duplicate.extra);
    return result;
}

QHash<Channel *, Channel *> DuplicateServices::keepers(
    const Settings &settings, const QList<Channel *> &doomed)
{
    const QSet<Channel *> going(doomed.cbegin(), doomed.cend());
    // Each set by its first channel; members come in main-list order.
    QHash<Channel *, Channel *> firstOf;
    QHash<Channel *, Channel *> keeperOfSet;
    for (const Duplicate &duplicate : find(settings)) {
        firstOf.insert(duplicate.extra, duplicate.first);
        if (!keeperOfSet.contains(duplicate.first) && !going.contains(duplicate.first))
            keeperOfSet.insert(duplicate.first, duplicate.first);
        if (!keeperOfSet.contains(duplicate.first) && !going.contains(duplicate.extra))
            keeperOfSet.insert(duplicate.first, duplicate.extra);
    }
    QHash<Channel *, Channel *> result;
    for (Channel *channel : doomed)
        if (Channel *keeper = keeperOfSet.value(firstOf.value(channel, channel)))
            result.insert(channel, keeper);
    return result;
}
