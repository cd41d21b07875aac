#pragma once

#include <limits>

// How many objects of each kind a settings file can hold. A store without a
// file format behind it has no limits.
struct SettingsCapacity
{
    static constexpr int Unlimited = std::numeric_limits<int>::max();

    int satellites = Unlimited;
    int transponders = Unlimited;
    int providers = Unlimited;
    int channels = Unlimited;
    int favoriteGroups = Unlimited;
    int channelsPerGroup = Unlimited;
};
