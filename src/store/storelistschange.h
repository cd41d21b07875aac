#pragma once

#include "store/storelists.h"

#include <QList>

class Channel;
class Editable;

// What differs between two contents of a store's lists, found from the
// changed part of each list alone: lists that are shared or equal cost
// nothing, and a list whose ends stayed costs only its changed middle.
class StoreListsChange
{
public:
    StoreListsChange(const StoreLists &from, const StoreLists &to);

    bool satellites() const { return m_satellites; }
    bool transponders() const { return m_transponders; }
    bool providers() const { return m_providers; }
    bool favoriteGroups() const { return m_groups; }
    // The main list or any group's list.
    bool channels() const { return m_channels; }
    bool any() const { return m_satellites || m_transponders || m_providers || m_groups || m_channels; }

    // Satellites, transponders, providers and favourite groups that only one
    // side holds.
    const QList<Editable *> &left() const { return m_left; }
    const QList<Editable *> &joined() const { return m_joined; }
    // Channels in the changed part of a changed channel list, on either side,
    // each once: every channel that joined or left the store is among them,
    // but one that only moved to another list may be too.
    const QList<Channel *> &channelCandidates() const { return m_channelCandidates; }

private:
    template<typename T> bool compare(const QList<T *> &from, const QList<T *> &to);
    void compareChannels(const QList<Channel *> &from, const QList<Channel *> &to);

    bool m_satellites = false;
    bool m_transponders = false;
    bool m_providers = false;
    bool m_groups = false;
    bool m_channels = false;
    QList<Editable *> m_left;
    QList<Editable *> m_joined;
    QList<Channel *> m_channelCandidates;
};
