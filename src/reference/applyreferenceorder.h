#pragma once

#include "reference/referencematch.h"

class ReferenceList;
class Settings;

// What an apply takes over from the reference besides the order. All off
// unless the user asks.
struct ApplyOrderOptions
{
    // The reference's names, as written, for channels matched by service key;
    // an empty name in the reference leaves the channel's name alone.
    bool takeNames = false;
    // The reference's favourite groups, members mapped through the match.
    bool takeFavorites = false;
    // Deletes the channels that no entry matched.
    bool dropUnmatched = false;
};

// Brings the reference's order over to the store's main list in one batch
// of store operations, announced once at the end, and returns the match it
// used (with dropUnmatched its unmatched channels are deleted). The main
// list always counts as modified afterwards.
ReferenceMatch applyReferenceOrder(
    Settings &settings, const ReferenceList &reference, const ApplyOrderOptions &options = {});
// The same with the match made for the preview of this reference, so that
// what is applied is what the user was shown and the work is done once. A
// match of the main list as it no longer is gets made again.
ReferenceMatch applyReferenceOrder(Settings &settings, const ReferenceList &reference,
    const ReferenceMatch &match, const ApplyOrderOptions &options);
