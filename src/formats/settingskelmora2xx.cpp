#include "formats/settingskelmora2xx.h"

namespace {

// The 2XX record has no PMT PID; its name field is two bytes wider.
constexpr SettingsKelmora::ChannelRecord channelRecord2XX { -1, 12, 14, 18 };

} // namespace

const KelmoraLayout SettingsKelmora2XX::modelValues {
    "Kelmora 2XX", 328556, 0x200C, 160, 0x2018, 36, // satellites
    0x2012, 2800, 0x43B6C, 16, // transponders
    0x2014, 400, 0x4EA6C, 16, // providers
    0x200E, 0x2010, 8000, 0x3698, 32, // channels
    0x41E98, 820, 400, 9, // favourite groups
};

SettingsKelmora2XX::SettingsKelmora2XX()
    : SettingsKelmora(modelValues)
{ }

int SettingsKelmora2XX::channelNameWidth() const
{
    return channelRecord2XX.nameWidth;
}

Channel *SettingsKelmora2XX::readChannel(int slot, int tvCount)
{
    return readChannelRecord(slot, tvCount, channelRecord2XX);
}

void SettingsKelmora2XX::writeChannel(Channel *channel, int slot)
{
    writeChannelRecord(channel, slot, channelRecord2XX);
}
