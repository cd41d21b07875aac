#include "formats/settingskelmorahd.h"

namespace {

constexpr SettingsKelmora::ChannelRecord channelRecordHD { 12, 14, 16, 16 };

} // namespace

const KelmoraLayout SettingsKelmoraHD::modelValues {
    "Kelmora HD", 399568, 0x2950, 200, 0x295C, 36, // satellites
    0x2956, 3000, 0x54450, 16, // transponders
    0x2958, 400, 0x5FFD0, 16, // providers
    0x2952, 0x2954, 10000, 0x457C, 32, // channels
    0x5277C, 820, 400, 9, // favourite groups
};

SettingsKelmoraHD::SettingsKelmoraHD()
    : SettingsKelmora(modelValues)
{ }

int SettingsKelmoraHD::channelNameWidth() const
{
    return channelRecordHD.nameWidth;
}

Channel *SettingsKelmoraHD::readChannel(int slot, int tvCount)
{
    return readChannelRecord(slot, tvCount, channelRecordHD);
}

void SettingsKelmoraHD::writeChannel(Channel *channel, int slot)
{
    writeChannelRecord(channel, slot, channelRecordHD);
}
