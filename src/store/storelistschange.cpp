#include "store/storelistschange.h"

#include "model/channel.h"
#include "model/favoritegroup.h"
#include "model/provider.h"
#include "model/satellite.h"
#include "model/transponder.h"

#include <QSet>

#include <algorithm>

namespace {

// The parts of two versions of one list that differ once the ends both
// share are cut off: a delete or a move touches a short middle.
template<typename T> std::pair<QList<T *>, QList<T *>> middles(const QList<T *> &from, const QList<T *> &to)
{
    const qsizetype shorter = std::min(from.size(), to.size());
    qsizetype head = 0;
    while (head < shorter && from.at(head) == to.at(head))
        ++head;
    qsizetype tail = 0;
    while (tail < shorter - head && from.at(from.size() - 1 - tail) == to.at(to.size() - 1 - tail))
        ++tail;
    return { from.mid(head, from.size() - head - tail), to.mid(head, to.size() - head - tail) };
}

} // namespace

StoreListsChange::StoreListsChange(const StoreLists &from, const StoreLists &to)
{
    m_satellites = compare(from.satellites, to.satellites);
    m_transponders = compare(from.transponders, to.transponders);
    m_providers = compare(from.providers, to.providers);
    m_groups = compare(from.groups, to.groups);
    m_channels = from.main != to.main;
    compareChannels(from.main.channels, to.main.channels);
    // A group's list is matched by its group: a group that joined or left
    // brings or takes its whole list.
    for (qsizetype i = 0; i < to.groups.size(); ++i) {
        const qsizetype old = from.groups.indexOf(to.groups.at(i));
        const StoreLists::Channels now = to.groupLists.value(i);
        const StoreLists::Channels was = old >= 0 ? from.groupLists.value(old) : StoreLists::Channels();
        m_channels = m_channels || now != was || old < 0;
        compareChannels(was.channels, now.channels);
    }
    for (qsizetype i = 0; i < from.groups.size(); ++i) {
        if (!to.groups.contains(from.groups.at(i))) {
            m_channels = true;
            compareChannels(from.groupLists.value(i).channels, {});
        }
    }
    // Once each, in list order: a full file is torn down much faster in the
    // order its objects were made than in a set's hash order.
    QSet<Channel *> seen;
    seen.reserve(m_channelCandidates.size());
    m_channelCandidates.removeIf([&seen](Channel *channel) {
        if (seen.contains(channel))
            return true;
        seen.insert(channel);
        return false;
    });
}

template<typename T> bool StoreListsChange::compare(const QList<T *> &from, const QList<T *> &to)
{
    if (StoreLists::same(from, to))
        return false;
    const auto [was, now] = middles(from, to);
    const QSet<T *> wasSet(was.cbegin(), was.cend());
    const QSet<T *> nowSet(now.cbegin(), now.cend());
    for (T *object : was)
        if (!nowSet.contains(object))
            m_left.append(object);
    for (T *object : now)
        if (!wasSet.contains(object))
            m_joined.append(object);
    return true;
}

void StoreListsChange::compareChannels(const QList<Channel *> &from, const QList<Channel *> &to)
{
    if (StoreLists::same(from, to))
        return;
    const auto [was, now] = middles(from, to);
    m_channelCandidates.append(was);
    m_channelCandidates.append(now);
}
