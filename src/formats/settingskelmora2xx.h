#pragma once

#include "formats/settingskelmora.h"

// The settings image of the Kelmora 2XX receiver.
class SettingsKelmora2XX : public SettingsKelmora
{
    Q_OBJECT

public:
    static constexpr const KelmoraLayout &modelValues = kelmoraModels[0];

    SettingsKelmora2XX()
        : SettingsKelmora(modelValues)
    { }
};
