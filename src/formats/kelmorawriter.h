#pragma once

class FlatImage;
class KelmoraRecords;
class Settings;
struct KelmoraLayout;

// Writes a store into a Kelmora image: the header counts, and every table
// in the order of the store's lists, so that each position a record names
// is the slot its object is written to. Kept with its image from save to
// save, as it remembers which slots may still hold a record's bytes.
class KelmoraWriter
{
public:
    explicit KelmoraWriter(const KelmoraLayout &layout);

    // The store must fit the tables (see CapacityCheck); what does not fit
    // is left out all the same.
    void write(const Settings &settings, FlatImage &image, KelmoraRecords &records);

private:
    const KelmoraLayout &m_layout;

    // How many leading slots of each table may still hold a record's bytes:
    // every slot of a loaded image, then only the slots the last save wrote.
    // A save clears just the slots between its count and these, so saving
    // again does not walk whole tables, yet writes what clearing every
    // unused slot would.
    struct SlotsHoldingBytes
    {
        int satellites;
        int transponders;
        int providers;
        int channels;
    };
    SlotsHoldingBytes m_slotsHoldingBytes;
};
