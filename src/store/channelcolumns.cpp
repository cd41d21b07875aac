#include "store/channelcolumns.h"

#include "model/channel.h"
#include "model/provider.h"
#include "model/satellite.h"
#include "model/transponder.h"
#include "store/settings.h"

#include <QCoreApplication>

QStringList ChannelColumns::titles()
{
    static const char *const untranslated[ColumnCount] = { QT_TRANSLATE_NOOP("ChannelColumns", "Id"),
        QT_TRANSLATE_NOOP("ChannelColumns", "Name"), QT_TRANSLATE_NOOP("ChannelColumns", "Provider"),
        QT_TRANSLATE_NOOP("ChannelColumns", "Satellite"), QT_TRANSLATE_NOOP("ChannelColumns", "Frequency"),
        QT_TRANSLATE_NOOP("ChannelColumns", "SymbolRate"),
        QT_TRANSLATE_NOOP("ChannelColumns", "Polarization"),
        QT_TRANSLATE_NOOP("ChannelColumns", "Service Type"), QT_TRANSLATE_NOOP("ChannelColumns", "SID"),
        QT_TRANSLATE_NOOP("ChannelColumns", "Video PID"), QT_TRANSLATE_NOOP("ChannelColumns", "Audio PID"),
        QT_TRANSLATE_NOOP("ChannelColumns", "PCR PID"), QT_TRANSLATE_NOOP("ChannelColumns", "PMT PID") };
    QStringList result;
    for (const char *title : untranslated)
        result.append(QCoreApplication::translate("ChannelColumns", title));
    return result;
}

QVariant ChannelColumns::cell(const Settings &settings, const Channel *channel, int column)
{
    const Transponder *transponder = channel->transponder();
    switch (column) {
    case IdColumn:
        return settings.mainChannelList().indexOf(const_cast<Channel *>(channel));
    case NameColumn:
        return channel->name();
    case ProviderColumn:
        return channel->provider() ? QVariant(channel->provider()->name()) : QVariant();
    case SatelliteColumn:
        return transponder && transponder->satellite() ? QVariant(transponder->satellite()->name())
                                                       : QVariant();
    case FrequencyColumn:
        return transponder ? QVariant(int(transponder->frequency())) : QVariant();
    case SymbolRateColumn:
        return transponder ? QVariant(int(transponder->symbolRate())) : QVariant();
    case PolarizationColumn:
        return transponder ? QVariant(Transponder::polarizationText(transponder->polarization()))
                           : QVariant();
    case ServiceTypeColumn:
        return Channel::serviceTypeText(channel->serviceType());
    // Identifiers sort as text, like the names, so they are given as text.
    case ServiceIdColumn:
        return QString::number(channel->serviceId());
    case VideoPidColumn:
        return QString::number(channel->videoPid());
    case AudioPidColumn:
        return QString::number(channel->audioPid());
    case PcrPidColumn:
        return QString::number(channel->pcrPid());
    case PmtPidColumn:
        return QString::number(channel->pmtPid());
    default:
        return {};
    }
}
