#pragma once

#include "formats/settingskelmora.h"

// The settings image of the Kelmora HD receiver.
class SettingsKelmoraHD : public SettingsKelmora
{
    Q_OBJECT

public:
    static const KelmoraLayout modelValues;

    SettingsKelmoraHD();

protected:
    int channelNameWidth() const override;
    Channel *readChannel(int slot, int tvCount) override;
    void writeChannel(Channel *channel, int slot) override;
};
