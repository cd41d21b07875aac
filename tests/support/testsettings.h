#pragma once

#include "store/settings.h"

// A store without a file behind it, for tests of the store and the views.
class TestSettings : public Settings
{
public:
    explicit TestSettings(StoreRules rules = receiverRules()) { setRules(rules); }

    // The rules both receiver models give their stores, without their limits.
    static StoreRules receiverRules()
    {
        StoreRules rules;
        rules.tvFirst = true;
        rules.sortedTransponders = true;
        return rules;
    }

    bool load(QFileDevice *) override { return true; }
    qint64 save(QFileDevice *) override { return 0; }
    void setCapacity(const SettingsCapacity &capacity)
    {
        StoreRules changed = rules();
        changed.capacity = capacity;
        setRules(changed);
    }
};
