#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>

class Channel;
class Editable;

// An ordered list of channels, optionally with all TV channels in one block
// ahead of the radio channels (TV-first mode). It does not own its channels.
// A position index is kept beside the list so that lookups stay constant
// time on full files.
class ChannelList : public QObject
{
    Q_OBJECT

public:
    ChannelList() = default;

    QList<Channel *> channels() const { return m_channels; }
    int count() const { return int(m_channels.size()); }
    Channel *at(int i) const { return m_channels.at(i); }
    int indexOf(Channel *channel) const;
    bool contains(Channel *channel) const { return indexOf(channel) >= 0; }
    QSet<Channel *> tvChannels() const { return m_tvChannels; }
    int tvCount() const { return int(m_tvChannels.size()); }

    // Room for this many channels, so that appending a whole file's grows
    // neither the list nor its position index again and again.
    void reserve(int count);
    // A channel the list already holds is not appended again.
    void append(Channel *channel);
    void remove(Channel *channel);
    // Takes every given channel out in one pass; true when any was held.
    bool remove(const QList<Channel *> &channels);
    void move(int from, int to);
    // Does nothing unless the list holds both channels.
    void move(Channel *channel, Channel *target);
    // The same as move(channel, target) for each channel in turn, in one
    // pass over the list instead of one shift per channel.
    void move(const QList<Channel *> &channels, Channel *target);
    // Puts `by` where `channel` stood; where that would break the TV block,
    // or `by` is held already, `channel` just goes and `by` is appended.
    void replace(Channel *channel, Channel *by);

    // Puts the same channels in another order. Refused (false, nothing
    // changed) unless the order holds exactly the list's channels and, in
    // TV-first mode, keeps the TV block ahead of the radio block.
    [[nodiscard]] bool reorder(const QList<Channel *> &order);

    // Replaces the whole list; the first tvCount channels form the TV block.
    // Leaves the list unmodified: the caller announces the new content.
    void assign(const QList<Channel *> &channels, int tvCount);

    bool tvFirst() const { return m_tvFirst; }
    void setTvFirst(bool on);
    [[nodiscard]] bool takeModified();
    void setModified() { m_modified = true; }

    QList<Channel *> channelsOf(Editable *editable) const;

public slots:
    void updateEditable(Editable *editable);

private:
    void moveDirect(int from, int to);
    void invalidatePositions() { m_positionsValid = false; }

    QList<Channel *> m_channels;
    bool m_modified = false;
    bool m_tvFirst = false;
    QSet<Channel *> m_tvChannels;
    mutable QHash<Channel *, int> m_positions;
    mutable bool m_positionsValid = true;
};
