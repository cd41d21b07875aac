#pragma once

#include "formats/kelmoralayout.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The floor of the benchmarks: reads a settings file and decodes every
// record into plain structs, with no Qt object, codec or store involved.
// Whatever the editor does on top of this is what the ratios measure.
class PlainSettingsDecoder
{
public:
    struct Satellite
    {
        uint16_t position, lowLof, highLof, diseqc11;
        uint8_t diseqc, tone, diseqc12, diseqc12Position;
        std::array<char, 16> name;
    };
    struct Transponder
    {
        uint8_t satellite, polarization;
        uint16_t transportStreamId, networkId, originalNetworkId, frequency, symbolRate;
    };
    struct Channel
    {
        uint16_t serviceId, provider, transponder, videoPid, audioPid, pcrPid, pmtPid, flags;
        std::array<char, 18> name;
    };
    struct Group
    {
        std::array<char, 16> name;
        std::vector<uint16_t> channels;
    };
    struct Result
    {
        std::vector<Satellite> satellites;
        std::vector<Transponder> transponders;
        std::vector<std::array<char, 16>> providers;
        std::vector<Channel> channels;
        std::vector<Group> groups;
    };

    PlainSettingsDecoder(const KelmoraLayout &layout, bool hdChannelRecord);

    // Returns false when the file cannot be read whole.
    bool decodeFile(const std::string &path, Result &result) const;

private:
    uint16_t word(int offset) const;
    template<size_t N> void name(int offset, std::array<char, N> &target) const;

    KelmoraLayout m_layout;
    bool m_hd;
    mutable std::vector<uint8_t> m_image;
};
