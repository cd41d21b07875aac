#include "store/channellist.h"

#include "model/channel.h"
#include "model/provider.h"
#include "model/satellite.h"
#include "model/transponder.h"

#include <algorithm>
#include <utility>

int ChannelList::indexOf(Channel *channel) const
{
    if (!m_positionsValid) {
        m_positions.clear();
        m_positions.reserve(m_channels.size());
        // Walk backwards so that the first position wins, should a list
        // ever hold a channel twice.
        for (int i = count() - 1; i >= 0; --i)
            m_positions.insert(m_channels.at(i), i);
        m_positionsValid = true;
    }
    return m_positions.value(channel, -1);
}

void ChannelList::reserve(int count)
{
    m_channels.reserve(count);
    m_positions.reserve(count);
}

void ChannelList::append(Channel *channel)
{
    if (contains(channel))
        return;
    m_channels.append(channel);
    m_positions.insert(channel, count() - 1);
    if (m_tvFirst && channel->isTv()) {
        moveDirect(count() - 1, tvCount());
        m_tvChannels.insert(channel);
    }
    m_modified = true;
}

void ChannelList::remove(Channel *channel)
{
    remove(QList<Channel *> { channel });
    m_modified = true;
}

bool ChannelList::remove(const QList<Channel *> &channels)
{
    QSet<Channel *> doomed;
    for (Channel *channel : channels) {
        if (contains(channel))
            doomed.insert(channel);
        m_tvChannels.remove(channel);
    }
    if (doomed.isEmpty())
        return false;
    m_channels.removeIf([&doomed](Channel *channel) { return doomed.contains(channel); });
    invalidatePositions();
    m_modified = true;
    return true;
}

void ChannelList::replace(Channel *channel, Channel *by)
{
    const int position = indexOf(channel);
    if (position < 0 || channel == by)
        return;
    if (contains(by) || (m_tvFirst && channel->isTv() != by->isTv())) {
        remove(channel);
        append(by);
        return;
    }
    m_channels[position] = by;
    m_positions.remove(channel);
    m_positions.insert(by, position);
    if (m_tvChannels.remove(channel))
        m_tvChannels.insert(by);
    m_modified = true;
}

void ChannelList::move(int from, int to)
{
    if (m_tvFirst) {
        const int tv = tvCount();
        to = m_channels.at(from)->isTv() ? std::min(to, tv - 1) : std::max(to, tv);
    }
    moveDirect(from, to);
    m_modified = true;
}

void ChannelList::move(Channel *channel, Channel *target)
{
    const int from = indexOf(channel);
    const int to = indexOf(target);
    if (from < 0 || to < 0)
        return;
    move(from, to);
}

void ChannelList::move(const QList<Channel *> &channels, Channel *target)
{
    const int targetPosition = indexOf(target);
    if (targetPosition < 0)
        return;
    QList<Channel *> moving;
    QSet<Channel *> seen;
    bool repeats = false;
    for (Channel *channel : channels) {
        if (!contains(channel))
            continue;
        m_modified = true;
        if (channel == target)
            continue;
        repeats = repeats || seen.contains(channel);
        seen.insert(channel);
        moving.append(channel);
    }
    // A repeated channel makes the single moves depend on each other: take
    // them one by one.
    if (repeats) {
        for (Channel *channel : channels)
            move(channel, target);
        return;
    }
    if (moving.isEmpty())
        return;

    // Each single move puts a channel that stood behind the target just in
    // front of it, and one that stood ahead of it just behind it; in TV-first
    // mode a channel of the other block stops at the block edge instead.
    const int tv = tvCount();
    const auto blockOf = [this, tv](int position) { return m_tvFirst && position >= tv; };
    const bool targetBlock = blockOf(targetPosition);
    QList<Channel *> beforeTarget, afterTarget, tvTail, radioHead;
    for (Channel *channel : std::as_const(moving)) {
        const int position = indexOf(channel);
        if (blockOf(position) != targetBlock)
            (channel->isTv() ? tvTail : radioHead).append(channel);
        else
            (position > targetPosition ? beforeTarget : afterTarget).append(channel);
    }
    std::reverse(afterTarget.begin(), afterTarget.end());
    std::reverse(radioHead.begin(), radioHead.end());

    QList<Channel *> reordered;
    reordered.reserve(m_channels.size());
    for (int i = 0; i < count(); ++i) {
        if (m_tvFirst && i == tv) {
            reordered.append(tvTail);
            reordered.append(radioHead);
        }
        Channel *channel = m_channels.at(i);
        if (channel == target) {
            reordered.append(beforeTarget);
            reordered.append(target);
            reordered.append(afterTarget);
        } else if (!seen.contains(channel)) {
            reordered.append(channel);
        }
    }
    if (m_tvFirst && tv == count()) {
        reordered.append(tvTail);
        reordered.append(radioHead);
    }
    m_channels = reordered;
    invalidatePositions();
}

void ChannelList::moveDirect(int from, int to)
{
    if (from == to)
        return;
    m_channels.move(from, to);
    if (m_positionsValid) {
        for (int i = std::min(from, to), last = std::max(from, to); i <= last; ++i)
            m_positions.insert(m_channels.at(i), i);
    }
}

bool ChannelList::reorder(const QList<Channel *> &order)
{
    if (order.size() != m_channels.size())
        return false;
    // Only the stretch between the first and the last difference changed;
    // a move by one place touches two entries of a full list, not all.
    qsizetype first = 0;
    while (first < order.size() && order.at(first) == m_channels.at(first))
        ++first;
    if (first == order.size())
        return true;
    qsizetype last = order.size() - 1;
    while (order.at(last) == m_channels.at(last))
        --last;
    QSet<Channel *> stretch(m_channels.cbegin() + first, m_channels.cbegin() + last + 1);
    const int tv = tvCount();
    for (qsizetype i = first; i <= last; ++i) {
        Channel *channel = order.at(i);
        // Each channel of the stretch once, and none from elsewhere.
        if (!stretch.remove(channel))
            return false;
        if (m_tvFirst && m_tvChannels.contains(channel) != (i < tv))
            return false;
    }
    m_channels = order;
    if (m_positionsValid)
        for (qsizetype i = first; i <= last; ++i)
            m_positions.insert(m_channels.at(i), int(i));
    m_modified = true;
    return true;
}

void ChannelList::assign(const QList<Channel *> &channels, int tvCount)
{
    m_channels = channels;
    m_tvChannels = QSet<Channel *>(channels.cbegin(), channels.cbegin() + std::clamp(tvCount, 0, count()));
    m_modified = false;
    invalidatePositions();
}

void ChannelList::setTvFirst(bool on)
{
    m_tvFirst = on;
    if (!on)
        return;
    const QList<Channel *> snapshot = m_channels;
    for (Channel *channel : snapshot)
        updateEditable(channel);
}

bool ChannelList::takeModified()
{
    return std::exchange(m_modified, false);
}

QList<Channel *> ChannelList::channelsOf(Editable *editable) const
{
    QList<Channel *> result;
    if (!editable)
        return result;
    switch (editable->typeCode()) {
    case ProviderType:
        for (Channel *channel : m_channels)
            if (channel->provider() == static_cast<Provider *>(editable))
                result.append(channel);
        break;
    case SatelliteType:
        for (Channel *channel : m_channels)
            if (channel->transponder()
                && channel->transponder()->satellite() == static_cast<Satellite *>(editable))
                result.append(channel);
        break;
    case SatellitesRootType:
        result = m_channels;
        break;
    case TransponderType:
        for (Channel *channel : m_channels)
            if (channel->transponder() == static_cast<Transponder *>(editable))
                result.append(channel);
        break;
    default:
        break;
    }
    return result;
}

void ChannelList::updateEditable(Editable *editable)
{
    if (!m_tvFirst || !editable || editable->typeCode() != ChannelType)
        return;
    auto *channel = static_cast<Channel *>(editable);
    const int position = indexOf(channel);
    if (position < 0)
        return;
    const int tv = tvCount();
    const bool inTvBlock = m_tvChannels.contains(channel);
    if (!channel->isTv() && inTvBlock) {
        moveDirect(position, tv - 1);
        m_tvChannels.remove(channel);
        m_modified = true;
    } else if (channel->isTv() && !inTvBlock) {
        moveDirect(position, tv);
        m_tvChannels.insert(channel);
        m_modified = true;
    }
}
