#include "compare/channelcopier.h"

#include "compare/tuningkey.h"
#include "model/channel.h"
#include "model/favoritegroup.h"
#include "model/provider.h"
#include "model/satellite.h"
#include "model/transponder.h"
#include "store/capacitycheck.h"
#include "store/settings.h"

namespace {

quint64 tuningKeyOf(const CopiedChannel::Tuning &tuning)
{
    return tuningKey(
        tuning.satellite ? tuning.satellite->position : -1, tuning.frequency, tuning.polarization);
}

} // namespace

ChannelCopier::ChannelCopier(Settings &settings)
    : m_settings(settings)
{
    // The first of equal ones is the one reused, as a user reading the tree
    // from the top would pick it.
    for (Satellite *satellite : settings.satellites())
        if (!m_satellites.contains(satellite->position()))
            m_satellites.insert(satellite->position(), satellite);
    for (Transponder *t : settings.transponders())
        if (const quint64 key = tuningKey(t); !m_transponders.contains(key))
            m_transponders.insert(key, t);
    for (Provider *provider : settings.providers())
        if (!m_providers.contains(provider->name()))
            m_providers.insert(provider->name(), provider);
    for (const Channel *channel : settings.channels())
        if (const Transponder *t = channel->transponder())
            m_keys.insert({ t->originalNetworkId(), t->transportStreamId(), channel->serviceId() });
}

ChannelCopier::Plan ChannelCopier::plan(const QList<CopiedChannel> &channels) const
{
    Plan plan;
    QSet<ServiceKey> keys;
    QSet<quint16> satellites;
    QSet<quint64> transponders;
    QSet<QString> providers;
    for (const CopiedChannel &channel : channels) {
        const std::optional<ServiceKey> key = channel.key();
        // Twice in one copy counts as already there the second time.
        if (key && (m_keys.contains(*key) || keys.contains(*key))) {
            ++plan.skipped;
            continue;
        }
        if (key)
            keys.insert(*key);
        plan.channels.append(&channel);
        if (channel.providerName && !m_providers.contains(*channel.providerName))
            providers.insert(*channel.providerName);
        if (!channel.tuning || m_transponders.contains(tuningKeyOf(*channel.tuning)))
            continue;
        transponders.insert(tuningKeyOf(*channel.tuning));
        if (channel.tuning->satellite && !m_satellites.contains(channel.tuning->satellite->position))
            satellites.insert(channel.tuning->satellite->position);
    }
    plan.satellites = int(satellites.size());
    plan.transponders = int(transponders.size());
    plan.providers = int(providers.size());
    return plan;
}

QString ChannelCopier::refusal(const Plan &plan, Editable *context) const
{
    using Kind = CapacityCheck::Kind;
    const int channels = int(plan.channels.size());
    for (const auto &[kind, added] :
        { std::pair { Kind::Channels, channels }, { Kind::Satellites, plan.satellites },
            { Kind::Transponders, plan.transponders }, { Kind::Providers, plan.providers } })
        if (const auto full = CapacityCheck::overflow(m_settings, kind, added))
            return tr("The file holds at most %1 %2: it has %3, and the copy needs %4 more.")
                .arg(full->limit)
                .arg(CapacityCheck::nameOf(kind))
                .arg(full->count)
                .arg(added);
    if (context && context->typeCode() == FavoriteGroupType)
        if (const auto full = CapacityCheck::overflow(m_settings, Kind::GroupChannels, channels, context))
            return tr("The favorite group holds at most %1 channels: it has %2, and the copy needs %3 more.")
                .arg(full->limit)
                .arg(full->count)
                .arg(channels);
    return QString();
}

CopyOutcome ChannelCopier::copy(const QList<CopiedChannel> &channels, Editable *context, Channel *target)
{
    const Plan planned = plan(channels);
    CopyOutcome outcome;
    outcome.skipped = planned.skipped;
    outcome.error = refusal(planned, context);
    if (!outcome.ok() || planned.channels.isEmpty())
        return outcome;
    const bool intoGroup = context && context->typeCode() == FavoriteGroupType;
    for (const CopiedChannel *copied : planned.channels)
        outcome.channels.append(create(*copied));
    // What the channels refer to goes in first, each list announced once.
    m_settings.addSatellites(std::exchange(m_newSatellites, {}));
    m_settings.addTransponders(std::exchange(m_newTransponders, {}));
    m_settings.addProviders(std::exchange(m_newProviders, {}));
    m_settings.addChannels(nullptr, outcome.channels);
    if (intoGroup)
        m_settings.addChannels(context, outcome.channels);
    if (target && m_settings.contains(target))
        m_settings.dropEditables(QList<Editable *>(outcome.channels.cbegin(), outcome.channels.cend()),
            target, intoGroup ? context : nullptr);
    outcome.copied = int(outcome.channels.size());
    return outcome;
}

Satellite *ChannelCopier::satelliteFor(const CopiedChannel::SatelliteSetup &setup)
{
    Satellite *&satellite = m_satellites[setup.position];
    if (satellite)
        return satellite;
    satellite = new Satellite;
    satellite->setPosition(setup.position);
    satellite->setName(setup.name);
    satellite->setLowLof(setup.lowLof);
    satellite->setHighLof(setup.highLof);
    satellite->setDiseqc(setup.diseqc);
    satellite->setTone(setup.tone);
    satellite->setDiseqc12(setup.diseqc12);
    satellite->setDiseqc12Position(setup.diseqc12Position);
    satellite->setDiseqc11(setup.diseqc11);
    m_newSatellites.append(satellite);
    return satellite;
}

Transponder *ChannelCopier::transponderFor(const CopiedChannel::Tuning &tuning)
{
    Transponder *&transponder = m_transponders[tuningKeyOf(tuning)];
    if (transponder)
        return transponder;
    transponder = new Transponder;
    if (tuning.satellite)
        transponder->setSatellite(satelliteFor(*tuning.satellite));
    transponder->setFrequency(tuning.frequency);
    transponder->setPolarization(tuning.polarization);
    transponder->setSymbolRate(tuning.symbolRate);
    transponder->setOriginalNetworkId(tuning.originalNetworkId);
    transponder->setTransportStreamId(tuning.transportStreamId);
    transponder->setNetworkId(tuning.networkId);
    m_newTransponders.append(transponder);
    return transponder;
}

Provider *ChannelCopier::providerFor(const QString &name)
{
    Provider *&provider = m_providers[name];
    if (!provider) {
        provider = new Provider;
        provider->setName(name);
        m_newProviders.append(provider);
    }
    return provider;
}

Channel *ChannelCopier::create(const CopiedChannel &copied)
{
    auto *channel = new Channel;
    channel->setName(copied.name);
    channel->setServiceId(copied.serviceId);
    channel->setServiceType(copied.serviceType);
    channel->setVideoPid(copied.videoPid);
    channel->setAudioPid(copied.audioPid);
    channel->setPcrPid(copied.pcrPid);
    channel->setPmtPid(copied.pmtPid);
    channel->setFlags(QSet<int>(copied.flags.cbegin(), copied.flags.cend()));
    if (copied.providerName)
        channel->setProvider(providerFor(*copied.providerName));
    if (copied.tuning) {
        channel->setTransponder(transponderFor(*copied.tuning));
        m_keys.insert(*copied.key());
    }
    return channel;
}
