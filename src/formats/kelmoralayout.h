#pragma once

#include "store/storerules.h"

#include <QtGlobal>

// Where the fields of a channel record lie, the one record whose layout
// differs between the models; pmtPidOffset < 0 when it has no PMT PID.
struct KelmoraChannelRecord
{
    int pmtPidOffset;
    int flagsOffset;
    int nameOffset;
    int nameWidth;
};

// Where the header counts and the five tables of one receiver model lie in
// its settings image, and how many records each table has room for. Offsets
// are byte offsets into the image; every count in the file is a 16-bit word.
struct KelmoraLayout
{
    // The stable name of the model ("2XX"), kept in files the editor writes.
    const char *model;
    // The receiver as its owner knows it.
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
    KelmoraChannelRecord channelRecord;

    int favoriteGroupTableOffset;
    int favoriteGroupRecordSize;
    int favoriteGroupMaxChannels;
    int favoriteGroupCount;

    // What the model's file asks of the store that holds it.
    StoreRules rules() const;

    // The model whose file has exactly this size, or null.
    static const KelmoraLayout *ofSize(qint64 size);
    // The size of the largest model's file: no settings file is larger.
    static qint64 largestFileSize();
};

// Every receiver model the editor knows, one row each. The two share the
// records of satellites, transponders, providers and favourite groups; the
// 2XX's channel record has no PMT PID and a name field two bytes wider.
inline constexpr KelmoraLayout kelmoraModels[] = {
    {
        "2XX", "Kelmora 2XX", 328556, //
        0x200C, 160, 0x2018, 36, // satellites
        0x2012, 2800, 0x43B6C, 16, // transponders
        0x2014, 400, 0x4EA6C, 16, // providers
        0x200E, 0x2010, 8000, 0x3698, 32, { -1, 12, 14, 18 }, // channels
        0x41E98, 820, 400, 9, // favourite groups
    },
    {
        "HD", "Kelmora HD", 399568, //
        0x2950, 200, 0x295C, 36, // satellites
        0x2956, 3000, 0x54450, 16, // transponders
        0x2958, 400, 0x5FFD0, 16, // providers
        0x2952, 0x2954, 10000, 0x457C, 32, { 12, 14, 16, 16 }, // channels
        0x5277C, 820, 400, 9, // favourite groups
    },
};
