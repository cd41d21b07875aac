#pragma once

#include <QByteArray>

#include <optional>

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
    SettingsSnapshot() = default;

    // Reads the store without changing it.
    [[nodiscard]] static SettingsSnapshot capture(const Settings &settings);

    // Replaces the store's content with the snapshot's: the objects are made
    // anew under the ids they had, and every list is announced once at the
    // end. Returns false, leaving the store as it was, for bytes that do not
    // describe a store (a damaged copy read from disk).
    [[nodiscard]] bool restore(Settings &settings) const;

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
