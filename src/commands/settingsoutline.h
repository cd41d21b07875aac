#pragma once

#include <QHash>
#include <QList>
#include <QString>

class Editable;
class Settings;

// What a user would call the content of a store, by object id: each
// object's kind, name, a fingerprint of its other properties, what it
// refers to, and the order of every list. Two outlines of the same store
// tell which objects a step removed, added, edited, moved or regrouped,
// without keeping any pointer to the objects.
class SettingsOutline
{
public:
    struct Entry
    {
        int type = -1;
        QString name;
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

    static SettingsOutline capture(const Settings &settings);

    // Enters the object under the id given, in place of any entry that id had:
    // a blank object may stand in for how a store's object was.
    void setEntry(quint64 id, const Editable &object);

    const QHash<quint64, Entry> &entries() const { return m_entries; }
    // Keyed by the group's id; 0 stands for the main channel list and the
    // object types' own negative keys for the satellite, transponder and
    // provider lists.
    const QHash<qint64, List> &lists() const { return m_lists; }

private:
    QHash<quint64, Entry> m_entries;
    QHash<qint64, List> m_lists;
};
