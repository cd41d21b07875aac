#include "reference/referencematch.h"

#include "model/channel.h"
#include "model/transponder.h"
#include "reference/referencelist.h"
#include "store/channellist.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <optional>

namespace {

QString nameKey(const QString &name)
{
    return name.trimmed().toCaseFolded();
}

// Channels grouped by a key in list order, handed out first come first
// served; channels already taken by another entry are skipped.
template<typename Key> class Queues
{
public:
    void add(const Key &key, Channel *channel) { m_queues[key].channels.append(channel); }

    Channel *takeFirst(const Key &key, const QSet<Channel *> &taken)
    {
        auto found = m_queues.find(key);
        if (found == m_queues.end())
            return nullptr;
        Queue &queue = *found;
        while (queue.next < queue.channels.size()) {
            Channel *channel = queue.channels.at(queue.next++);
            if (!taken.contains(channel))
                return channel;
        }
        return nullptr;
    }

private:
    struct Queue
    {
        QList<Channel *> channels;
        qsizetype next = 0;
    };
    QHash<Key, Queue> m_queues;
};

} // namespace

ReferenceMatch::ReferenceMatch(const ChannelList &list, const ReferenceList &reference)
    : m_channels(list.channels())
{
    const QList<Channel *> &channels = m_channels;
    Queues<ServiceKey> byKey;
    for (Channel *channel : channels) {
        if (const Transponder *transponder = channel->transponder())
            byKey.add(
                { transponder->originalNetworkId(), transponder->transportStreamId(), channel->serviceId() },
                channel);
    }
    // Folding every name was most of matching a list whose entries all
    // match by ids: the names are keyed only once an entry needs them.
    // Queues skip what is taken, so when they are made does not matter.
    std::optional<Queues<QString>> byName;
    const auto channelByName = [&](const QString &name, const QSet<Channel *> &taken) {
        if (!byName) {
            byName.emplace();
            for (Channel *channel : channels) {
                const QString key = nameKey(channel->name());
                if (!key.isEmpty())
                    byName->add(key, channel);
            }
        }
        return byName->takeFirst(name, taken);
    };

    QSet<Channel *> taken;
    taken.reserve(channels.size());
    for (const ReferenceEntry &entry : reference.entries()) {
        Channel *channel = entry.key ? byKey.takeFirst(*entry.key, taken) : nullptr;
        const bool viaKey = channel != nullptr;
        if (!channel) {
            const QString name = nameKey(entry.name);
            if (!name.isEmpty())
                channel = channelByName(name, taken);
        }
        m_channelOfEntry.append(channel);
        m_byKey.append(viaKey);
        if (!channel)
            continue;
        taken.insert(channel);
        m_newOrder.append(channel);
        ++(viaKey ? m_matchedById : m_matchedByName);
    }
    for (Channel *channel : channels)
        if (!taken.contains(channel))
            m_unmatched.append(channel);
    m_newOrder.append(m_unmatched);
    if (list.tvFirst())
        std::stable_partition(
            m_newOrder.begin(), m_newOrder.end(), [](const Channel *c) { return c->isTv(); });
}

bool ReferenceMatch::isFor(const ChannelList &list) const
{
    return m_channels == list.channels();
}
