#include "check/settingschecker.h"

#include "check/duplicateservices.h"
#include "check/valuelimits.h"
#include "model/channel.h"
#include "model/favoritegroup.h"
#include "model/provider.h"
#include "model/rooteditable.h"
#include "model/satellite.h"
#include "model/transponder.h"
#include "store/capacitycheck.h"
#include "store/settings.h"

#include <algorithm>

namespace {

template<typename T> void addUnused(QHash<const void *, bool> &used, const QList<T *> &objects)
{
    for (const T *object : objects)
        used.insert(object, false);
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
{
    m_used.reserve(
        settings.satellites().size() + settings.transponders().size() + settings.providers().size());
    addUnused(m_used, settings.satellites());
    addUnused(m_used, settings.transponders());
    addUnused(m_used, settings.providers());
}

void SettingsChecker::checkCapacity()
{
    using Kind = CapacityCheck::Kind;
    // Where the user finds the list that holds too many.
    const auto shownAt = [this](const CapacityCheck::Use &use) -> Editable * {
        switch (use.kind) {
        case Kind::Satellites:
        case Kind::Transponders:
            return m_settings.satellitesRoot();
        case Kind::Providers:
            return m_settings.providersRoot();
        case Kind::FavoriteGroups:
            return m_settings.favoritesRoot();
        case Kind::GroupChannels:
            return use.group;
        case Kind::Channels:
            break;
        }
        return nullptr;
    };
    for (const CapacityCheck::Use &use : CapacityCheck::uses(m_settings)) {
        if (!use.over())
            continue;
        const bool group = use.kind == Kind::GroupChannels;
        add(FileProblem::Kind::OverCapacity, shownAt(use),
            tr("%1 %2; the file has room for %3, so a save is refused.")
                .arg(use.count)
                .arg(group ? tr("channels in this group") : CapacityCheck::nameOf(use.kind))
                .arg(use.limit));
    }
}

void SettingsChecker::checkSatellites()
{
    for (Satellite *satellite : m_settings.satellites()) {
        checkAtMost(
            satellite, satellite->position(), ValueLimits::satellitePosition, QT_TR_NOOP("The position"));
        checkAtMost(satellite, satellite->lowLof(), ValueLimits::localOscillator, QT_TR_NOOP("The low LOF"));
        checkAtMost(
            satellite, satellite->highLof(), ValueLimits::localOscillator, QT_TR_NOOP("The high LOF"));
        checkAtMost(satellite, satellite->diseqc12Position(), ValueLimits::motorPosition,
            QT_TR_NOOP("The DiSEqC 1.2 position"));
    }
}

void SettingsChecker::checkTransponders()
{
    for (Transponder *transponder : m_settings.transponders()) {
        if (!markUsed(transponder->satellite()))
            add(FileProblem::Kind::TransponderWithoutSatellite, transponder,
                tr("The transponder belongs to no satellite, so the receiver has no antenna set-up for it."));
        checkAtMost(
            transponder, transponder->frequency(), ValueLimits::frequency, QT_TR_NOOP("The frequency"));
        checkAtMost(
            transponder, transponder->symbolRate(), ValueLimits::symbolRate, QT_TR_NOOP("The symbol rate"));
    }
}

void SettingsChecker::checkChannels()
{
    for (Channel *channel : m_settings.channels())
        checkChannel(channel);
}

void SettingsChecker::checkChannel(Channel *channel)
{
    if (!markUsed(channel->transponder()))
        add(FileProblem::Kind::ChannelWithoutTransponder, channel,
            tr("The channel has no transponder, so the receiver cannot tune it."));
    if (!markUsed(channel->provider()))
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
    // Stops at the first letter, where trimming would copy the name.
    const QString name = channel->name();
    if (std::all_of(name.cbegin(), name.cend(), [](QChar c) { return c.isSpace(); }))
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
        if (!m_used.value(satellite))
            add(FileProblem::Kind::SatelliteWithoutTransponders, satellite,
                tr("No transponder belongs to this satellite."));
    for (Transponder *transponder : m_settings.transponders())
        if (!m_used.value(transponder))
            add(FileProblem::Kind::TransponderWithoutChannels, transponder,
                tr("No channel is carried by this transponder."));
    for (Provider *provider : m_settings.providers())
        if (!m_used.value(provider))
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

bool SettingsChecker::markUsed(const void *object)
{
    // One look-up per reference: this runs after every edit while the
    // Problems dock is shown.
    const auto found = m_used.find(object);
    if (found == m_used.end())
        return false;
    *found = true;
    return true;
}

void SettingsChecker::checkAtMost(Editable *object, int value, int limit, const char *what)
{
    // Named only when out of range: translating every value's name made up
    // a quarter of the check.
    if (value > limit)
        add(FileProblem::Kind::ValueOutOfRange, object,
            tr("%1 is %2; the editor accepts at most %3.").arg(tr(what)).arg(value).arg(limit));
}

void SettingsChecker::add(FileProblem::Kind kind, Editable *object, const QString &explanation)
{
    m_problems.append(FileProblem { kind, FileProblem::severityOf(kind), object, explanation });
}
