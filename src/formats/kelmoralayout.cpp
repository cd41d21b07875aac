#include "formats/kelmoralayout.h"

#include <algorithm>
#include <iterator>

namespace {

// A satellite reference is one byte in a transponder record.
constexpr int SatelliteReferenceLimit = 256;

} // namespace

StoreRules KelmoraLayout::rules() const
{
    StoreRules rules;
    rules.tvFirst = true;
    rules.sortedTransponders = true;
    rules.channelPmtPid = channelRecord.pmtPidOffset >= 0;
    SettingsCapacity &capacity = rules.capacity;
    capacity.satellites = std::min(satelliteMax, SatelliteReferenceLimit);
    capacity.transponders = transponderMax;
    capacity.providers = providerMax;
    capacity.channels = channelMax;
    capacity.favoriteGroups = favoriteGroupCount;
    capacity.channelsPerGroup = favoriteGroupMaxChannels;
    return rules;
}

const KelmoraLayout *KelmoraLayout::ofSize(qint64 size)
{
    for (const KelmoraLayout &layout : kelmoraModels)
        if (layout.fileSize == size)
            return &layout;
    return nullptr;
}

qint64 KelmoraLayout::largestFileSize()
{
    return std::max_element(std::begin(kelmoraModels), std::end(kelmoraModels),
        [](const KelmoraLayout &a, const KelmoraLayout &b) { return a.fileSize < b.fileSize; })
        ->fileSize;
}
