#pragma once

#include <QList>
#include <QString>

#include <optional>

class Settings;

// The identity of a service on air: original network, transport stream and
// service id. It survives a new channel search, unlike a list position.
struct ServiceKey
{
    quint16 originalNetworkId = 0;
    quint16 transportStreamId = 0;
    quint16 serviceId = 0;

    bool operator==(const ServiceKey &other) const
    {
        return originalNetworkId == other.originalNetworkId && transportStreamId == other.transportStreamId
            && serviceId == other.serviceId;
    }
};

inline size_t qHash(const ServiceKey &key, size_t seed = 0)
{
    return ::qHash(
        (quint64(key.originalNetworkId) << 32) | (quint64(key.transportStreamId) << 16) | key.serviceId,
        seed);
}

// One channel of a reference: where it should stand, its name and, when
// known, its service key.
struct ReferenceEntry
{
    int number = 0;
    QString name;
    std::optional<ServiceKey> key;
};

// A favourite group of a reference whose members are positions in the
// reference's entries.
struct ReferenceGroup
{
    QString name;
    QList<int> members;
};

// The channel order to bring over to another file: entries in reference
// order and, when it was taken from a settings file, its favourite groups.
// Holds plain values only, so it outlives the store it was taken from.
class ReferenceList
{
public:
    ReferenceList() = default;
    // Puts the entries into reference order: by number, equal numbers
    // keeping the order given.
    explicit ReferenceList(QList<ReferenceEntry> entries, QList<ReferenceGroup> groups = {});

    // The main list in its order, numbered from 1, with every favourite group.
    static ReferenceList fromSettings(const Settings &settings);

    const QList<ReferenceEntry> &entries() const { return m_entries; }
    const QList<ReferenceGroup> &groups() const { return m_groups; }
    // Only a settings file brings favourite groups; a text list never does.
    bool hasGroups() const { return !m_groups.isEmpty(); }

private:
    QList<ReferenceEntry> m_entries;
    QList<ReferenceGroup> m_groups;
};
