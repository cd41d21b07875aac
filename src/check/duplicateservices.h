#pragma once

#include <QHash>
#include <QList>

class Channel;
class Settings;

// Finds channels that carry the same service as a channel earlier in the
// store's main list: the same original network, transport stream and
// service id on one satellite, or the same satellite, frequency,
// polarization and service id. Linear in the number of channels.
class DuplicateServices
{
public:
    struct Duplicate
    {
        Channel *extra;
        // The earliest channel of the set the extra belongs to.
        Channel *first;
    };

    // Every channel but the first of each set, in main-list order.
    [[nodiscard]] static QList<Duplicate> find(const Settings &settings);
    [[nodiscard]] static QList<Channel *> extras(const Settings &settings);
    // For each of `doomed` whose service a channel outside `doomed` carries,
    // the earliest such channel: the copy that is kept.
    [[nodiscard]] static QHash<Channel *, Channel *> keepers(
        const Settings &settings, const QList<Channel *> &doomed);
};
