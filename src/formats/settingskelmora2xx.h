#pragma once

#include "formats/settingskelmora.h"

// The settings image of the Kelmora 2XX receiver.
class SettingsKelmora2XX : public SettingsKelmora
{
    Q_OBJECT

public:
    static const KelmoraLayout modelValues;

    SettingsKelmora2XX();

protected:
    int channelNameWidth() const override;
    Channel *readChannel(int slot, int tvCount) override;
    void writeChannel(Channel *channel, int slot) override;
};
