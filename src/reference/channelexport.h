#pragma once

#include <QByteArray>

class Settings;

// The main channel list as a table for spreadsheets, one row a channel in
// the receiver's order.
// TODO: take the titles and cell texts from the channel table's column class
// once it is in the core, so the export matches what the table shows.
[[nodiscard]] QByteArray channelTableCsv(const Settings &settings);
