#include "settingschecker.h"

#include "channel.h"
#include "duplicateservices.h"
#include "favoritegroup.h"
#include "provider.h"
#include "rooteditable.h"
#include "satellite.h"
#include "settings.h"
#include "transponder.h"
#include "valuelimits.h"

namespace {

template<typename T> QSet<const T *> setOf(const QList<T *> &objects)
{
    return QSet<const T *>(objects.cbegin(), objects.cend());
}

} // namespace

QList<FileProblem> SettingsChecker::check(const Settings &settings)
{
    SettingsChecker checker(settings);
    checker.checkCapacity();
    checker.checkSatellites();
    checker.checkTransponders();
    checker.checkChannels();
    checker.checkDuplicates();
    checker.checkLeftovers();
    checker.checkNames();
    return checker.m_problems;
}

SettingsChecker::SettingsChecker(const Settings &settings)
    : m_settings(settings)
    , m_satellites(setOf(settings.satellites()))
    , m_transponders(setOf(settings.transponders()))
    , m_providers(setOf(settings.providers()))
{
    m_used.reserve(m_satellites.size() + m_transponders.size() + m_providers.size());
}

void SettingsChecker::checkCapacity()
{
    const SettingsCapacity room = m_settings.capacity();
    auto tooMany = [this](Editable *object, qsizetype count, int limit, const QString &what) {
        if (count > limit)
            add(FileProblem::Kind::OverCapacity, object,
                tr("%1 %2; the file has room for %3, so a save is refused.").arg(count).arg(what).arg(limit));
    };
    tooMany(m_settings.satellitesRoot(), m_satellites.size(), room.satellites, tr("satellites"));
    tooMany(m_settings.satellitesRoot(), m_transponders.size(), room.transponders, tr("transponders"));
    tooMany(m_settings.providersRoot(), m_providers.size(), room.providers, tr("providers"));
    tooMany(nullptr, m_settings.mainChannelList().count(), room.channels, tr("channels"));
    const QList<FavoriteGroup *> groups = m_settings.favoriteGroups();
    tooMany(m_settings.favoritesRoot(), groups.size(), room.favoriteGroups, tr("favorite groups"));
    for (FavoriteGroup *group : groups) {
        // Only members that are also in the main list get written.
        int written = 0;
        for (Channel *channel : m_settings.channelsOf(group))
            written += m_settings.mainChannelList().contains(channel) ? 1 : 0;
        tooMany(group, written, room.channelsPerGroup, tr("channels in this group"));
    }
}

void SettingsChecker::checkSatellites()
{
    for (Satellite *satellite : m_settings.satellites()) {
        checkAtMost(satellite, satellite->position(), ValueLimits::satellitePosition, tr("The position"));
        checkAtMost(satellite, satellite->lowLof(), ValueLimits::localOscillator, tr("The low LOF"));
        checkAtMost(satellite, satellite->highLof(), ValueLimits::localOscillator, tr("The high LOF"));
        checkAtMost(satellite, satellite->diseqc12Position(), ValueLimits::motorPosition,
            tr("The DiSEqC 1.2 position"));
    }
}

void SettingsChecker::checkTransponders()
{
    for (Transponder *transponder : m_settings.transponders()) {
        if (m_satellites.contains(transponder->satellite()))
            m_used.insert(transponder->satellite());
        else
            add(FileProblem::Kind::TransponderWithoutSatellite, transponder,
                tr("The transponder belongs to no satellite, so the receiver has no antenna set-up for it."));
        checkAtMost(transponder, transponder->frequency(), ValueLimits::frequency, tr("The frequency"));
        checkAtMost(transponder, transponder->symbolRate(), ValueLimits::symbolRate, tr("The symbol rate"));
    }
}

void SettingsChecker::checkChannels()
{
    for (Channel *channel : m_settings.channels())
        checkChannel(channel);
}

void SettingsChecker::checkChannel(Channel *channel)
{
    if (m_transponders.contains(channel->transponder()))
        m_used.insert(channel->transponder());
    else
        add(FileProblem::Kind::ChannelWithoutTransponder, channel,
            tr("The channel has no transponder, so the receiver cannot tune it."));
    if (m_providers.contains(channel->provider()))
        m_used.insert(channel->provider());
    else
        add(FileProblem::Kind::ChannelWithoutProvider, channel, tr("The channel has no provider."));

    const std::pair<quint16, const char *> pids[] = {
        { channel->videoPid(), QT_TR_NOOP("video") },
        { channel->audioPid(), QT_TR_NOOP("audio") },
        { channel->pcrPid(), QT_TR_NOOP("PCR") },
        { channel->pmtPid(), QT_TR_NOOP("PMT") },
    };
    for (const auto &[pid, what] : pids)
        if (pid > ValueLimits::pid)
            add(FileProblem::Kind::PidOutOfRange, channel,
                tr("The %1 PID is %2; a PID goes up to %3.").arg(tr(what)).arg(pid).arg(ValueLimits::pid));
    if (channel->serviceId() == 0)
        add(FileProblem::Kind::ServiceIdZero, channel,
            tr("Service id 0 is reserved for the network; no service can be found by it."));
    if (channel->name().trimmed().isEmpty())
        add(FileProblem::Kind::EmptyChannelName, channel, tr("The channel has no name."));
}

void SettingsChecker::checkDuplicates()
{
    for (const DuplicateServices::Duplicate &duplicate : DuplicateServices::find(m_settings))
        add(FileProblem::Kind::DuplicateService, duplicate.extra,
            tr("The same service as \"%1\", which comes earlier in the channel list.")
                .arg(duplicate.first->name()));
}

void SettingsChecker::checkLeftovers()
{
    for (Satellite *satellite : m_settings.satellites())
        if (!m_used.contains(satellite))
            add(FileProblem::Kind::SatelliteWithoutTransponders, satellite,
                tr("No transponder belongs to this satellite."));
    for (Transponder *transponder : m_settings.transponders())
        if (!m_used.contains(transponder))
            add(FileProblem::Kind::TransponderWithoutChannels, transponder,
                tr("No channel is carried by this transponder."));
    for (Provider *provider : m_settings.providers())
        if (!m_used.contains(provider))
            add(FileProblem::Kind::ProviderWithoutChannels, provider,
                tr("No channel refers to this provider."));
}

void SettingsChecker::checkNames()
{
    for (Satellite *satellite : m_settings.satellites())
        checkName(satellite, satellite->name());
    for (Provider *provider : m_settings.providers())
        checkName(provider, provider->name());
    for (FavoriteGroup *group : m_settings.favoriteGroups())
        checkName(group, group->name());
    for (Channel *channel : m_settings.channels())
        checkName(channel, channel->name());
}

void SettingsChecker::checkName(Editable *object, const QString &name)
{
    // Names typed in the dialogs fit; those from a reference list or the
    // command line may not, and the save would cut them without a word.
    const QString stored = m_settings.storedName(object, name).text;
    if (stored != name)
        add(FileProblem::Kind::NameShortened, object,
            tr("The name will be shortened to \"%1\".").arg(stored));
}

void SettingsChecker::checkAtMost(Editable *object, int value, int limit, const QString &what)
{
    if (value > limit)
        add(FileProblem::Kind::ValueOutOfRange, object,
            tr("%1 is %2; the editor accepts at most %3.").arg(what).arg(value).arg(limit));
}

void SettingsChecker::add(FileProblem::Kind kind, Editable *object, const QString &explanation)
{
    m_problems.append(FileProblem { kind, FileProblem::severityOf(kind), object, explanation });
}
