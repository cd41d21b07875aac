#include "order/channelorder.h"

#include <algorithm>

ChannelOrder::ChannelOrder(const QList<Channel *> &channels, int tvCount, bool tvFirst)
    : m_channels(channels)
    , m_tvCount(tvFirst ? std::clamp(tvCount, 0, int(channels.size())) : 0)
    , m_tvFirst(tvFirst)
{ }

QList<QList<Channel *>> ChannelOrder::blocks() const
{
    if (!m_tvFirst)
        return { m_channels };
    return { m_channels.first(m_tvCount), m_channels.sliced(m_tvCount) };
}

QList<Channel *> ChannelOrder::joined(const QList<QList<Channel *>> &blocks)
{
    QList<Channel *> channels;
    for (const QList<Channel *> &block : blocks)
        channels.append(block);
    return channels;
}

// Runs operation(block, blockIndex, blockStart, clamped) on each block and
// joins the blocks again.
template<typename BlockOperation> ChannelOrder::Result ChannelOrder::perBlock(BlockOperation operation) const
{
    Result result;
    QList<QList<Channel *>> parts = blocks();
    int start = 0;
    for (int index = 0; index < parts.size(); ++index) {
        const int size = int(parts.at(index).size());
        operation(parts[index], index, start, result.clamped);
        start += size;
    }
    result.channels = joined(parts);
    return result;
}

ChannelOrder::Result ChannelOrder::movedUp(const QSet<Channel *> &selected) const
{
    const bool otherBlockAbove = m_tvFirst && m_tvCount > 0;
    return perBlock([&](QList<Channel *> &block, int index, int, bool &clamped) {
        if (block.isEmpty())
            return;
        clamped = clamped || (index == 1 && otherBlockAbove && selected.contains(block.first()));
        // A selected channel trades places with the unselected one above it;
        // a run of selected channels at the top has nowhere to go.
        for (qsizetype i = 1; i < block.size(); ++i)
            if (selected.contains(block.at(i)) && !selected.contains(block.at(i - 1)))
                block.swapItemsAt(i - 1, i);
    });
}

ChannelOrder::Result ChannelOrder::movedDown(const QSet<Channel *> &selected) const
{
    const bool otherBlockBelow = m_tvFirst && m_tvCount < m_channels.size();
    return perBlock([&](QList<Channel *> &block, int index, int, bool &clamped) {
        if (block.isEmpty())
            return;
        clamped = clamped || (index == 0 && m_tvFirst && otherBlockBelow && selected.contains(block.last()));
        for (qsizetype i = block.size() - 2; i >= 0; --i)
            if (selected.contains(block.at(i)) && !selected.contains(block.at(i + 1)))
                block.swapItemsAt(i, i + 1);
    });
}

ChannelOrder::Result ChannelOrder::movedToTop(const QSet<Channel *> &selected) const
{
    return perBlock([&](QList<Channel *> &block, int, int, bool &) {
        std::stable_partition(
            block.begin(), block.end(), [&selected](Channel *channel) { return selected.contains(channel); });
    });
}

ChannelOrder::Result ChannelOrder::movedToBottom(const QSet<Channel *> &selected) const
{
    return perBlock([&](QList<Channel *> &block, int, int, bool &) {
        std::stable_partition(block.begin(), block.end(),
            [&selected](Channel *channel) { return !selected.contains(channel); });
    });
}

ChannelOrder::Result ChannelOrder::movedToPosition(const QSet<Channel *> &selected, int position) const
{
    const bool hasRadio = m_tvCount < m_channels.size();
    return perBlock([&](QList<Channel *> &block, int index, int start, bool &clamped) {
        QList<Channel *> moving;
        QList<Channel *> rest;
        for (Channel *channel : std::as_const(block))
            (selected.contains(channel) ? moving : rest).append(channel);
        if (moving.isEmpty())
            return;
        const int wanted = position - start;
        const int place = std::clamp(wanted, 0, int(rest.size()));
        // Only the boundary between the blocks counts as held back; the ends
        // of the list are simply where the channels stop.
        if (m_tvFirst)
            clamped = clamped || (index == 0 && hasRadio && wanted > place)
                || (index == 1 && m_tvCount > 0 && wanted < place);
        rest.insert(place, moving.size(), nullptr);
        std::copy(moving.cbegin(), moving.cend(), rest.begin() + place);
        block = rest;
    });
}

ChannelOrder::Result ChannelOrder::reversed(const QSet<Channel *> &selected) const
{
    QList<Channel *> order;
    for (auto it = m_channels.crbegin(); it != m_channels.crend(); ++it)
        if (selected.contains(*it))
            order.append(*it);
    return arranged(order);
}

ChannelOrder::Result ChannelOrder::arranged(const QList<Channel *> &order) const
{
    // A channel named twice would take two places and push another out.
    QSet<Channel *> wanted;
    QList<Channel *> once;
    for (Channel *channel : order)
        if (!wanted.contains(channel)) {
            wanted.insert(channel);
            once.append(channel);
        }
    // An order that puts a radio channel ahead of a TV channel cannot be
    // kept whole: each block takes its own channels in their given order.
    bool interleaved = false;
    if (m_tvFirst) {
        const QSet<Channel *> tv(m_channels.cbegin(), m_channels.cbegin() + m_tvCount);
        bool radioSeen = false;
        for (Channel *channel : std::as_const(once)) {
            interleaved = interleaved || (radioSeen && tv.contains(channel));
            radioSeen = radioSeen || !tv.contains(channel);
        }
    }
    Result result = perBlock([&](QList<Channel *> &block, int, int, bool &) {
        const QSet<Channel *> here(block.cbegin(), block.cend());
        auto next = once.cbegin();
        for (Channel *&slot : block) {
            if (!wanted.contains(slot))
                continue;
            // The next given channel of this block takes the slot.
            while (!here.contains(*next))
                ++next;
            slot = *next++;
        }
    });
    result.clamped = interleaved;
    return result;
}
