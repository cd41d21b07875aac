#include "channelexport.h"

#include "channel.h"
#include "csvwriter.h"
#include "provider.h"
#include "satellite.h"
#include "settings.h"
#include "transponder.h"

#include <QCoreApplication>

namespace {

// The column titles are read by people, in the language of the interface.
struct ChannelExport
{
    Q_DECLARE_TR_FUNCTIONS(ChannelExport)
};

QStringList rowOf(int number, const Channel *channel)
{
    const Transponder *transponder = channel->transponder();
    const Satellite *satellite = transponder ? transponder->satellite() : nullptr;
    auto numberText = [transponder](quint16 (Transponder::*field)() const) {
        return transponder ? QString::number((transponder->*field)()) : QString();
    };
    return { QString::number(number), channel->name(), Channel::serviceTypeText(channel->serviceType()),
        channel->provider() ? channel->provider()->name() : QString(),
        satellite ? satellite->name() : QString(), numberText(&Transponder::frequency),
        numberText(&Transponder::originalNetworkId), numberText(&Transponder::transportStreamId),
        QString::number(channel->serviceId()) };
}

} // namespace

QByteArray channelTableCsv(const Settings &settings)
{
    const QStringList titles { ChannelExport::tr("No."), ChannelExport::tr("Name"), ChannelExport::tr("Type"),
        ChannelExport::tr("Provider"), ChannelExport::tr("Satellite"), ChannelExport::tr("Frequency"),
        ChannelExport::tr("ONID"), ChannelExport::tr("TSID"), ChannelExport::tr("SID") };
    QList<QStringList> rows;
    const QList<Channel *> channels = settings.channels();
    rows.reserve(channels.size());
    for (const Channel *channel : channels)
        rows.append(rowOf(int(rows.size()) + 1, channel));
    return CsvWriter::write(titles, rows);
}
