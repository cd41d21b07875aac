#pragma once

#include "compare/difference.h"

#include <QHash>
#include <QList>

#include <array>

class Channel;
class Settings;

// What differs between this file and another one, either model on either
// side: satellites (by orbital position), transponders (by satellite
// position, frequency and polarization) and providers (by name) that only
// one file has or that differ; channels only in one file, changed in
// content, or moved in the main list or in a favourite group. Channels pair
// up the way applying another file's order pairs them: by service ids
// first, then by name. Both stores must outlive the comparison.
class SettingsComparison
{
public:
    SettingsComparison(const Settings &here, const Settings &there);

    // Satellites, transponders and providers first, then the channels.
    const QList<Difference> &differences() const { return m_differences; }
    int count(Difference::Kind kind) const { return m_counts.at(int(kind)); }
    bool isEmpty() const { return m_differences.isEmpty(); }

private:
    void compareSatellites(const Settings &here, const Settings &there);
    void compareTransponders(const Settings &here, const Settings &there);
    void compareProviders(const Settings &here, const Settings &there);
    void compareChannels(const Settings &here, const Settings &there);
    // Per channel of this file, how its places differ.
    QHash<const Channel *, QList<FieldChange>> orderChanges(const Settings &here, const Settings &there,
        const QHash<const Channel *, const Channel *> &hereOf) const;
    void add(Difference difference);

    QList<Difference> m_differences;
    std::array<int, Difference::KindCount> m_counts {};
};
