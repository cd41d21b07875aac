#include "plainsettingsdecoder.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

PlainSettingsDecoder::PlainSettingsDecoder(const KelmoraLayout &layout, bool hdChannelRecord)
    : m_layout(layout)
    , m_hd(hdChannelRecord)
{ }

uint16_t PlainSettingsDecoder::word(int offset) const
{
    return uint16_t(m_image[size_t(offset)] | m_image[size_t(offset) + 1] << 8);
}

template<size_t N> void PlainSettingsDecoder::name(int offset, std::array<char, N> &target) const
{
    std::memcpy(target.data(), m_image.data() + offset, N);
}

bool PlainSettingsDecoder::decodeFile(const std::string &path, Result &result) const
{
    std::FILE *file = std::fopen(path.c_str(), "rb");
    if (!file)
        return false;
    m_image.resize(size_t(m_layout.fileSize));
    const size_t read = std::fread(m_image.data(), 1, m_image.size(), file);
    std::fclose(file);
    if (read != m_image.size())
        return false;

    const KelmoraLayout &l = m_layout;
    const int satellites = std::min<int>(word(l.satelliteCountOffset), l.satelliteMax);
    result.satellites.resize(size_t(satellites));
    for (int k = 0; k < satellites; ++k) {
        const int base = l.satelliteTableOffset + k * l.satelliteRecordSize;
        Satellite &s = result.satellites[size_t(k)];
        s.position = word(base + 2);
        name(base + 4, s.name);
        s.lowLof = word(base + 22);
        s.highLof = word(base + 24);
        s.diseqc = m_image[size_t(base) + 26];
        s.tone = m_image[size_t(base) + 27];
        s.diseqc12 = m_image[size_t(base) + 28];
        s.diseqc12Position = m_image[size_t(base) + 29];
        s.diseqc11 = m_image[size_t(base) + 32];
    }

    const int transponders = std::min<int>(word(l.transponderCountOffset), l.transponderMax);
    result.transponders.resize(size_t(transponders));
    for (int k = 0; k < transponders; ++k) {
        const int base = l.transponderTableOffset + k * l.transponderRecordSize;
        Transponder &t = result.transponders[size_t(k)];
        t.satellite = m_image[size_t(base)];
        t.polarization = m_image[size_t(base) + 2];
        t.transportStreamId = word(base + 4);
        t.networkId = word(base + 6);
        t.originalNetworkId = word(base + 8);
        t.frequency = word(base + 10);
        t.symbolRate = word(base + 12);
    }

    const int providers = std::min<int>(word(l.providerCountOffset), l.providerMax);
    result.providers.resize(size_t(providers));
    for (int k = 0; k < providers; ++k)
        name(l.providerTableOffset + k * l.providerRecordSize, result.providers[size_t(k)]);

    const int channels = std::min<int>(word(l.channelCountOffset), l.channelMax);
    result.channels.resize(size_t(channels));
    for (int k = 0; k < channels; ++k) {
        const int base = l.channelTableOffset + k * l.channelRecordSize;
        Channel &c = result.channels[size_t(k)];
        c.serviceId = word(base);
        c.provider = word(base + 2);
        c.transponder = word(base + 4);
        c.videoPid = word(base + 6);
        c.audioPid = word(base + 8);
        c.pcrPid = word(base + 10);
        c.pmtPid = m_hd ? word(base + 12) : 0;
        c.flags = word(base + (m_hd ? 14 : 12));
        c.name.fill(0);
        std::memcpy(c.name.data(), m_image.data() + base + (m_hd ? 16 : 14), m_hd ? 16 : 18);
    }

    result.groups.resize(size_t(l.favoriteGroupCount));
    for (int k = 0; k < l.favoriteGroupCount; ++k) {
        const int base = l.favoriteGroupTableOffset + k * l.favoriteGroupRecordSize;
        Group &g = result.groups[size_t(k)];
        name(base, g.name);
        const int count
            = std::min<int>(word(base + 18 + 2 * l.favoriteGroupMaxChannels), l.favoriteGroupMaxChannels);
        g.channels.resize(size_t(count));
        for (int i = 0; i < count; ++i)
            g.channels[size_t(i)] = word(base + 16 + 2 * i);
    }
    return true;
}
