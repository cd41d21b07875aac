#pragma once

#include "snapshot/settingssnapshot.h"

#include <QByteArray>
#include <QHash>
#include <QList>

// The content of a store as the history last committed it: a whole
// snapshot, and the records of the objects that steps changed since, which
// only a step that changes lists merges into a whole snapshot again. So a
// step that edits a few objects costs what those objects cost, not what the
// store does. Owned by the history; it never touches the store.
class CommittedState
{
public:
    // Starts anew from a whole snapshot and where its records lie.
    void reset(SettingsSnapshot whole, SettingsSnapshot::Records records);
    void clear() { reset({}, {}); }

    // The committed records of these objects, in the same order; an empty one
    // for an object the state does not hold.
    QList<QByteArray> records(const QList<quint64> &ids) const;
    void setRecord(quint64 id, const QByteArray &record) { m_changed.insert(id, record); }

    // The whole content, with every changed record merged in, and where
    // each record lies in it.
    SettingsSnapshot whole();
    const SettingsSnapshot::Records &wholeRecords()
    {
        whole();
        return m_records;
    }

private:
    SettingsSnapshot m_whole;
    SettingsSnapshot::Records m_records;
    QHash<quint64, QByteArray> m_changed;
};
