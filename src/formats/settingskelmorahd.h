#pragma once

#include "formats/settingskelmora.h"

// The settings image of the Kelmora HD receiver.
class SettingsKelmoraHD : public SettingsKelmora
{
    Q_OBJECT

public:
    static constexpr const KelmoraLayout &modelValues = kelmoraModels[1];

    SettingsKelmoraHD()
        : SettingsKelmora(modelValues)
    { }
};
