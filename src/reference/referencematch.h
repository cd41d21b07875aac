#pragma once

#include <QList>

class Channel;
class ChannelList;
class ReferenceList;

// How the channels of a main list pair up with the entries of a reference,
// and the order that follows. Computed without touching the list, so it
// serves as the preview of an apply.
//
// Each entry, in reference order, takes the first channel not yet taken
// with its service key, or failing that the first with its name (trimmed,
// case folded; an empty name never matches). The new order is the matched
// channels in reference order, then the rest in their current order, then
// TV before radio with each block keeping its order.
class ReferenceMatch
{
public:
    ReferenceMatch(const ChannelList &channels, const ReferenceList &reference);

    int matchedById() const { return m_matchedById; }
    int matchedByName() const { return m_matchedByName; }
    int unmatchedCount() const { return int(m_unmatched.size()); }

    // The channel each reference entry took, or null; one per entry.
    const QList<Channel *> &channelOfEntry() const { return m_channelOfEntry; }
    // Whether entry i took its channel by service key.
    bool matchedByKey(int entry) const { return m_byKey.at(entry); }
    const QList<Channel *> &unmatched() const { return m_unmatched; }
    const QList<Channel *> &newOrder() const { return m_newOrder; }
    // Whether the list still holds what it held when matched; shares the
    // list's data, so this is quick while nothing changed.
    bool isFor(const ChannelList &list) const;

private:
    QList<Channel *> m_channels;
    QList<Channel *> m_channelOfEntry;
    QList<bool> m_byKey;
    QList<Channel *> m_unmatched;
    QList<Channel *> m_newOrder;
    int m_matchedById = 0;
    int m_matchedByName = 0;
};
