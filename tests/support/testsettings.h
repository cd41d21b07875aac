#pragma once

#include "store/settings.h"

// A store without a file behind it, for tests of the store and the views.
class TestSettings : public Settings
{
public:
    explicit TestSettings(QSet<int> features = {0, 1})
        : m_features(std::move(features))
    {
        editableMainChannelList().setTvFirst(true);
    }

    QSet<int> features() const override { return m_features; }
    bool load(QFileDevice *) override { return true; }
    qint64 save(QFileDevice *) override { return 0; }
    SettingsCapacity capacity() const override { return m_capacity; }
    void setCapacity(const SettingsCapacity &capacity) { m_capacity = capacity; }

private:
    QSet<int> m_features;
    SettingsCapacity m_capacity;
};
