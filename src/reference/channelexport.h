#pragma once

#include <QByteArray>

class Settings;

// The main channel list as a table for spreadsheets, one row a channel in
// the receiver's order, with the columns and cell texts of the channel table.
[[nodiscard]] QByteArray channelTableCsv(const Settings &settings);
