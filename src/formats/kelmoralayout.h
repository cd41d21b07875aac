#pragma once

// Where the header counts and the five tables of one receiver model lie in
// its settings image, and how many records each table has room for. Offsets
// are byte offsets into the image; every count in the file is a 16-bit word.
struct KelmoraLayout
{
    const char *modelName;
    int fileSize;

    int satelliteCountOffset;
    int satelliteMax;
    int satelliteTableOffset;
    int satelliteRecordSize;

    int transponderCountOffset;
    int transponderMax;
    int transponderTableOffset;
    int transponderRecordSize;

    int providerCountOffset;
    int providerMax;
    int providerTableOffset;
    int providerRecordSize;

    int channelCountOffset;
    int tvChannelCountOffset;
    int channelMax;
    int channelTableOffset;
    int channelRecordSize;

    int favoriteGroupTableOffset;
    int favoriteGroupRecordSize;
    int favoriteGroupMaxChannels;
    int favoriteGroupCount;
};
