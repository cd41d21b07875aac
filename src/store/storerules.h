#pragma once

#include "store/settingscapacity.h"

// What the receiver asks of the store that holds its file, set by the file
// format before the store is filled. A store without a format behind it
// follows none of these rules and has no limits.
struct StoreRules
{
    // Every channel list, the main one and each favourite group's, keeps
    // its TV channels ahead of its radio channels.
    bool tvFirst = false;
    // Transponders stay sorted by frequency under their satellite, so they
    // cannot be moved onto one another.
    bool sortedTransponders = false;
    // A channel record carries the PMT PID; where it does not, the PID is
    // neither read nor written.
    bool channelPmtPid = true;
    SettingsCapacity capacity;
};
