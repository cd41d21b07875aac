#pragma once

class FlatImage;
class KelmoraRecords;
class Settings;
struct KelmoraLayout;

// Decodes the tables of a Kelmora image into a store, in the order in which
// their records refer to one another (satellites, transponders, providers,
// channels, favourite groups), each kind added to the store in one batch.
// The header counts are clipped to the room of their tables.
class KelmoraLoader
{
public:
    static void load(
        Settings &settings, const FlatImage &image, const KelmoraLayout &layout, KelmoraRecords &records);
};
