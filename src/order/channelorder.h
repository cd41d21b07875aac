#pragma once

#include <QList>
#include <QSet>

class Channel;

// New orders of a channel list, worked out without touching the list: the
// order tools compute one, and the store applies it as a whole. In TV-first
// mode the TV block and the radio block are ordered each on its own, so
// that no operation carries a channel across the boundary; `clamped` tells
// when the boundary stopped what was asked.
class ChannelOrder
{
public:
    struct Result
    {
        QList<Channel *> channels;
        bool clamped = false;
    };

    // The list, its TV count, and whether the TV block is kept apart.
    ChannelOrder(const QList<Channel *> &channels, int tvCount, bool tvFirst);

    // Each selected channel one place up or down; a run of selected
    // channels keeps its shape, and one that reached its block's edge stays.
    Result movedUp(const QSet<Channel *> &selected) const;
    Result movedDown(const QSet<Channel *> &selected) const;
    // To the top or bottom of its block, in their present relative order.
    Result movedToTop(const QSet<Channel *> &selected) const;
    Result movedToBottom(const QSet<Channel *> &selected) const;
    // The first selected channel to the 0-based position, the others
    // following in their present order.
    Result movedToPosition(const QSet<Channel *> &selected, int position) const;
    // The selected channels turned upside down within the places they hold.
    Result reversed(const QSet<Channel *> &selected) const;
    // The given channels, in the order given, into the places they hold now.
    // Channels the list does not hold are left out.
    Result arranged(const QList<Channel *> &order) const;

private:
    // The list cut at the TV boundary (one block when not TV-first).
    QList<QList<Channel *>> blocks() const;
    static QList<Channel *> joined(const QList<QList<Channel *>> &blocks);
    template<typename BlockOperation> Result perBlock(BlockOperation operation) const;

    QList<Channel *> m_channels;
    int m_tvCount;
    bool m_tvFirst;
};
