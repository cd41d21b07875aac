#pragma once

#include "snapshot/snapshotrecords.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>

#include <optional>
#include <vector>

class Editable;
class Settings;

// The whole content of a store in a compact byte form: every object's
// properties, ids and remembered name bytes, references as list positions,
// and the order of every list, group lists and channels that only a group
// holds included. The format's image is not part of it, so a snapshot is
// restored onto a store of the same model that has its image already. A
// snapshot is a plain value: copying it shares the bytes.
class SettingsSnapshot
{
public:
    // Where one object's own properties lie in the bytes: everything of it
    // but its id and, for a favourite group, its channel list. The bytes of
    // such a record depend on no other record, but the positions it refers
    // to by hold only while the store's lists stay as they were.
    struct Record
    {
        quint64 id = 0;
        qsizetype begin = 0;
        qsizetype end = 0;
    };
    // In the order of the bytes.
    using Records = std::vector<Record>;

    SettingsSnapshot() = default;

    // Reads the store without changing it; records, if given, receives
    // where each object's record lies.
    [[nodiscard]] static SettingsSnapshot capture(const Settings &settings, Records *records = nullptr);

    // Replaces the store's content with the snapshot's: the objects are made
    // anew under the ids they had, and every list is announced once at the
    // end. Returns false, leaving the store as it was, for bytes that do not
    // describe a store (a damaged copy read from disk). records, if given,
    // receives where each object's record lies.
    [[nodiscard]] bool restore(Settings &settings, Records *records = nullptr) const;

    QByteArray recordBytes(const Record &record) const
    {
        return m_data.mid(record.begin, record.end - record.begin);
    }
    // This snapshot with the records of some objects, by id, replaced; records
    // says where they lie here and is updated to where they lie in the result.
    [[nodiscard]] SettingsSnapshot withRecords(
        Records &records, const QHash<quint64, QByteArray> &replacements) const;

    // One object's record as capture would write it now; empty for an object
    // that has none (a root).
    [[nodiscard]] static QByteArray captureRecord(const Settings &settings, const Editable &object);
    // Gives an object of the store, or a blank one of its kind, the
    // properties of a record taken while the store's lists were as they are
    // now. The store's objects announce what changed through their setters.
    // Returns false for bytes that are no record of that kind, which may
    // have changed the object in part: give it only records taken here.
    [[nodiscard]] static bool applyRecord(const Settings &settings, Editable &object, QByteArrayView record);

    // What a record says of its object, read without making one; its
    // references are positions plus one (0 for none).
    using RecordView = SnapshotRecords::View;
    // Empty for bytes that are no record of that kind.
    [[nodiscard]] static std::optional<RecordView> viewRecord(int type, QByteArrayView record);

    // Is told what a snapshot holds, in the order of its bytes, by visit().
    class Visitor
    {
    public:
        virtual ~Visitor() = default;
        // Satellites, transponders, providers, then channels (those of the
        // main list first, then those only a group holds), then favourite
        // groups; a record's positions refer to the objects of their kind
        // met before it.
        virtual void object(int type, quint64 id, const RecordView &record) = 0;
        // The main list holds the first count channels met.
        virtual void mainList(qsizetype count) = 0;
        // The list of the group met last: positions among the channels met.
        virtual void groupList(const QList<qsizetype> &channels) = 0;
    };
    // Reads the snapshot without making objects, for a cheap comparison of
    // two contents by id. records says where this snapshot's records lie,
    // as capture or restore gave them. Returns false, having told the
    // visitor part of it, for bytes that do not match them.
    [[nodiscard]] bool visit(const Records &records, Visitor &visitor) const;

    bool isNull() const { return m_data.isEmpty(); }
    qsizetype byteSize() const { return m_data.size(); }

    // For keeping a snapshot on disk; fromBytes only takes what capture can
    // have written, and restore checks the rest.
    QByteArray toBytes() const { return m_data; }
    [[nodiscard]] static std::optional<SettingsSnapshot> fromBytes(const QByteArray &bytes);

    bool operator==(const SettingsSnapshot &other) const { return m_data == other.m_data; }
    bool operator!=(const SettingsSnapshot &other) const { return !(*this == other); }

private:
    explicit SettingsSnapshot(QByteArray data)
        : m_data(std::move(data))
    { }

    QByteArray m_data;
};
