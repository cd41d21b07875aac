#pragma once

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

    bool isNull() const { return m_data.isEmpty(); }
    qsizetype byteSize() const { return m_data.size(); }

    // For keeping a snapshot on disk; fromBytes only takes what capture can
    // have written, and restore checks the rest.
    QByteArray toBytes() const { return m_data; }
    [[nodiscard]] static std::optional<SettingsSnapshot> fromBytes(const QByteArray &bytes);

    bool operator==(const SettingsSnapshot &other) const { return m_data == other.m_data; }
    bool operator!=(const SettingsSnapshot &other) const { return !(*this == other); }

private:
    class Access;

    explicit SettingsSnapshot(QByteArray data)
        : m_data(std::move(data))
    { }

    QByteArray m_data;
};
