#pragma once

#include <QStringList>
#include <QVariant>

class Channel;
class Settings;

// The thirteen columns in which the editor lays a channel out, with their
// titles and the value of each cell, so that the channel table and the
// exports show a channel alike.
class ChannelColumns
{
public:
    enum Column {
        IdColumn,
        NameColumn,
        ProviderColumn,
        SatelliteColumn,
        FrequencyColumn,
        SymbolRateColumn,
        PolarizationColumn,
        ServiceTypeColumn,
        ServiceIdColumn,
        VideoPidColumn,
        AudioPidColumn,
        PcrPidColumn,
        PmtPidColumn,
        ColumnCount
    };

    [[nodiscard]] static QStringList titles();
    // An integer, a text, or nothing for an absent value. Id is the
    // channel's position in the store's main list, -1 outside it.
    [[nodiscard]] static QVariant cell(const Settings &settings, const Channel *channel, int column);
};
