#pragma once

#include "snapshot/settingssnapshot.h"

#include <QByteArrayView>
#include <QHash>
#include <QList>

class Settings;

// What a user would call the content of a store, by object id: each
// object's kind, fingerprints of its name and of its other properties, what
// it refers to, and the order of every list. Two outlines of the same store
// tell which objects a step removed, added, edited, moved or regrouped,
// without keeping any pointer to the objects. Both are read from snapshot
// bytes, so equal properties always give equal fingerprints.
class SettingsOutline
{
public:
    struct Entry
    {
        int type = -1;
        size_t name = 0;
        size_t properties = 0;
        // The channel's provider or the transponder's satellite, by id; 0 for none.
        quint64 owner = 0;
        // The channel's transponder.
        quint64 transponder = 0;
    };
    // One ordered list of the store: its kind of object and the ids in order.
    struct List
    {
        int type = -1;
        QList<quint64> ids;
    };

    // The outline of a snapshot, records saying where its records lie; an
    // empty one for bytes that do not match them.
    static SettingsOutline read(const SettingsSnapshot &snapshot, const SettingsSnapshot::Records &records);

    // Enters an object of the kind given under its id, as its record says,
    // in place of any entry that id had. The record was taken while the
    // store's lists were as they are now.
    void setEntry(quint64 id, int type, QByteArrayView record, const Settings &settings);

    const QHash<quint64, Entry> &entries() const { return m_entries; }
    // Keyed by the group's id; 0 stands for the main channel list and the
    // object types' own negative keys for the satellite, transponder and
    // provider lists.
    const QHash<qint64, List> &lists() const { return m_lists; }

private:
    class Reading;

    QHash<quint64, Entry> m_entries;
    QHash<qint64, List> m_lists;
};
