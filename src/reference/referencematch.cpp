#include "referencematch.h"

#include "channel.h"
#include "channellist.h"
#include "referencelist.h"
#include "transponder.h"

#include <QHash>
#include <QSet>

#include <algorithm>

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
{
    const QList<Channel *> channels = list.channels();
    Queues<ServiceKey> byKey;
    Queues<QString> byName;
    for (Channel *channel : channels) {
        if (const Transponder *transponder = channel->transponder())
            byKey.add(
                { transponder->originalNetworkId(), transponder->transportStreamId(), channel->serviceId() },
                channel);
        const QString name = nameKey(channel->name());
        if (!name.isEmpty())
            byName.add(name, channel);
    }

    QSet<Channel *> taken;
    taken.reserve(channels.size());
    for (const ReferenceEntry &entry : reference.entries()) {
        Channel *channel = entry.key ? byKey.takeFirst(*entry.key, taken) : nullptr;
        const bool viaKey = channel != nullptr;
        const QString name = nameKey(entry.name);
        if (!channel && !name.isEmpty())
            channel = byName.takeFirst(name, taken);
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
