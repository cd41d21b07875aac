#include "reference/channelexport.h"

#include "reference/csvwriter.h"
#include "store/channelcolumns.h"
#include "store/settings.h"

QByteArray channelTableCsv(const Settings &settings)
{
    QList<QStringList> rows;
    const QList<Channel *> channels = settings.channels();
    rows.reserve(channels.size());
    for (const Channel *channel : channels) {
        QStringList row;
        row.reserve(ChannelColumns::ColumnCount);
        // An absent value is an empty field, as it is an empty cell.
        for (int column = 0; column < ChannelColumns::ColumnCount; ++column)
            row.append(ChannelColumns::cell(settings, channel, column).toString());
        rows.append(row);
    }
    return CsvWriter::write(ChannelColumns::titles(), rows);
}
