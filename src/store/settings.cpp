#include "store/settings.h"

#include "model/channel.h"
#include "model/favoritegroup.h"
#include "model/provider.h"
#include "model/rooteditable.h"
#include "model/satellite.h"
#include "model/transponder.h"
#include "store/editablekeeper.h"
#include "store/removalscope.h"
#include "store/storelistschange.h"

Settings::Settings()
    : m_satellitesRoot(new RootEditable(SatellitesRootType, tr("Satellites")))
    , m_providersRoot(new RootEditable(ProvidersRootType, tr("Providers")))
    , m_favoritesRoot(new RootEditable(FavoritesRootType, tr("Favorites")))
{
    connect(this, &Settings::updatedEditable, &m_channelList, &ChannelList::updateEditable);
}

Settings::~Settings()
{
    // No view may hear of the teardown.
    disconnect(this, nullptr, nullptr, nullptr);
    blockSignals(true);
    m_keeper = nullptr;
    setLists({});
    delete m_satellitesRoot;
    delete m_providersRoot;
    delete m_favoritesRoot;
}

void Settings::setRules(const StoreRules &rules)
{
    m_rules = rules;
    m_channelList.setTvFirst(rules.tvFirst);
}

void Settings::discardPendingUpdates()
{
    m_satelliteListPending = m_transponderListPending = m_providerListPending = false;
    (void)m_channelList.takeModified();
    for (ChannelList *list : std::as_const(m_groupLists))
        (void)list->takeModified();
}

StoreLists Settings::lists() const
{
    StoreLists lists { m_satellites, m_transponders, m_providers,
        { m_channelList.channels(), m_channelList.tvCount() }, m_favoriteGroups, {} };
    lists.groupLists.reserve(m_favoriteGroups.size());
    for (const FavoriteGroup *group : m_favoriteGroups) {
        const ChannelList *list = m_groupLists.value(group);
        lists.groupLists.append({ list->channels(), list->tvCount() });
    }
    return lists;
}

void Settings::setLists(const StoreLists &lists)
{
    const StoreListsChange change(this->lists(), lists);
    if (!change.any())
        return;
    m_satellites = lists.satellites;
    m_transponders = lists.transponders;
    m_providers = lists.providers;
    if (lists.main != StoreLists::Channels { m_channelList.channels(), m_channelList.tvCount() })
        m_channelList.assign(lists.main.channels, lists.main.tvCount);
    for (Editable *object : change.left())
        if (object->typeCode() == FavoriteGroupType)
            delete m_groupLists.take(static_cast<FavoriteGroup *>(object));
    assignGroupLists(lists);
    QList<Editable *> joined = change.joined();
    QList<Editable *> left = change.left();
    for (Channel *channel : change.channelCandidates())
        (holds(channel) ? joined : left).append(channel);
    for (Editable *object : std::as_const(joined))
        watch(object);
    if (m_keeper)
        m_keeper->release(joined);
    dispose(left);
    discardPendingUpdates();
    m_satelliteListPending = change.satellites();
    m_transponderListPending = change.transponders();
    m_providerListPending = change.providers();
    if (change.channels())
        m_channelList.setModified();
    emitPendingUpdates();
    if (change.favoriteGroups())
        emit updatedFavoriteGroupList();
}

void Settings::assignGroupLists(const StoreLists &lists)
{
    m_favoriteGroups = lists.groups;
    for (qsizetype i = 0; i < lists.groups.size(); ++i) {
        ChannelList *&list = m_groupLists[lists.groups.at(i)];
        if (!list)
            list = newGroupList();
        const StoreLists::Channels &members = lists.groupLists.at(i);
        if (members != StoreLists::Channels { list->channels(), list->tvCount() })
            list->assign(members.channels, members.tvCount);
    }
}

void Settings::dispose(const QList<Editable *> &objects)
{
    for (Editable *object : objects)
        object->setWatcher(nullptr);
    if (m_keeper)
        m_keeper->keep(objects);
    else
        qDeleteAll(objects);
}

QList<Transponder *> Settings::transpondersOf(Satellite *satellite) const
{
    QList<Transponder *> result;
    for (Transponder *transponder : m_transponders)
        if (transponder->satellite() == satellite)
            result.append(transponder);
    return result;
}

ChannelList *Settings::channelListFor(Editable *context)
{
    if (context && context->typeCode() == FavoriteGroupType)
        return m_groupLists.value(static_cast<FavoriteGroup *>(context));
    return &m_channelList;
}

QList<Channel *> Settings::channelsOf(Editable *context) const
{
    if (context && context->typeCode() == FavoriteGroupType) {
        const ChannelList *list = m_groupLists.value(static_cast<FavoriteGroup *>(context));
        return list ? list->channels() : QList<Channel *>();
    }
    return m_channelList.channelsOf(context);
}

bool Settings::contains(const Editable *editable) const
{
    if (!editable)
        return false;
    if (editable == m_satellitesRoot || editable == m_providersRoot)
        return true;
    // Compare addresses only: the object may be gone.
    auto *channel = const_cast<Channel *>(reinterpret_cast<const Channel *>(editable));
    if (m_channelList.contains(channel))
        return true;
    auto sameAddress = [editable](const auto *object) {
        return static_cast<const void *>(object) == static_cast<const void *>(editable);
    };
    return std::any_of(m_satellites.cbegin(), m_satellites.cend(), sameAddress)
        || std::any_of(m_transponders.cbegin(), m_transponders.cend(), sameAddress)
        || std::any_of(m_providers.cbegin(), m_providers.cend(), sameAddress)
        || std::any_of(m_favoriteGroups.cbegin(), m_favoriteGroups.cend(), sameAddress);
}

Editable *Settings::editableById(quint64 id) const
{
    return editablesByIds({ id }).value(id);
}

QHash<quint64, Editable *> Settings::editablesByIds(const QSet<quint64> &ids) const
{
    // One walk over every list however many ids are asked for: looking
    // each up on its own grows with the square of the store.
    QHash<quint64, Editable *> found;
    auto collect = [&](const auto &list) {
        for (auto *x : list)
            if (found.size() < ids.size() && ids.contains(x->id()))
                found.insert(x->id(), x);
    };
    collect(QList<RootEditable *> { m_satellitesRoot, m_providersRoot, m_favoritesRoot });
    collect(m_satellites);
    collect(m_transponders);
    collect(m_providers);
    collect(m_favoriteGroups);
    collect(m_channelList.channels());
    for (auto it = m_groupLists.cbegin(); it != m_groupLists.cend(); ++it)
        collect((*it)->channels());
    return found;
}

bool Settings::holds(Channel *channel) const
{
    return m_channelList.contains(channel)
        || std::any_of(m_groupLists.cbegin(), m_groupLists.cend(),
            [channel](const ChannelList *list) { return list->contains(channel); });
}

void Settings::watch(Editable *editable)
{
    // A channel may be added to several lists; it is heard once.
    editable->setWatcher(this);
}

void Settings::addSatellite(Satellite *satellite)
{
    m_satellites.append(satellite);
    watch(satellite);
    emit updatedSatelliteList();
}

void Settings::addTransponder(Transponder *transponder)
{
    m_transponders.append(transponder);
    watch(transponder);
    emit updatedTransponderList();
}

void Settings::addProvider(Provider *provider)
{
    m_providers.append(provider);
    watch(provider);
    emit updatedProviderList();
}

void Settings::addChannel(Editable *context, Channel *channel)
{
    ChannelList *list = channelListFor(context);
    if (!list)
        return;
    list->append(channel);
    // Also a channel that only a group holds: its list must hear of its
    // service type changes like every other list.
    watch(channel);
    // Announced here and now, so the flag must not announce it a second time.
    (void)list->takeModified();
    emit updatedChannelList();
}

template<typename T>
void Settings::addAll(const QList<T *> &objects, QList<T *> &list, void (Settings::*announce)())
{
    if (objects.isEmpty())
        return;
    list.append(objects);
    for (T *object : objects)
        watch(object);
    // The announcement is a signal, called through its member pointer.
    (this->*announce)();
}

void Settings::addSatellites(const QList<Satellite *> &satellites)
{
    addAll(satellites, m_satellites, &Settings::updatedSatelliteList);
}

void Settings::addTransponders(const QList<Transponder *> &transponders)
{
    addAll(transponders, m_transponders, &Settings::updatedTransponderList);
}

void Settings::addProviders(const QList<Provider *> &providers)
{
    addAll(providers, m_providers, &Settings::updatedProviderList);
}

void Settings::addChannels(Editable *context, const QList<Channel *> &channels)
{
    ChannelList *list = channelListFor(context);
    if (!list || channels.isEmpty())
        return;
    list->reserve(list->count() + int(channels.size()));
    for (Channel *channel : channels) {
        list->append(channel);
        watch(channel);
    }
    (void)list->takeModified();
    emit updatedChannelList();
}

void Settings::addFavoriteGroup(FavoriteGroup *group)
{
    addGroupList(group);
    watch(group);
    emit updatedFavoriteGroupList();
}

ChannelList *Settings::addGroupList(FavoriteGroup *group)
{
    ChannelList *list = newGroupList();
    m_favoriteGroups.append(group);
    m_groupLists.insert(group, list);
    return list;
}

ChannelList *Settings::newGroupList()
{
    auto *list = new ChannelList;
    list->setTvFirst(m_rules.tvFirst);
    // Like the main list, a group's list keeps its TV block right when a
    // channel's service type changes, so the TV count it writes is true.
    connect(this, &Settings::updatedEditable, list, &ChannelList::updateEditable);
    return list;
}

template<typename T> QList<T *> Settings::notYetDeleted(const QList<T *> &objects) const
{
    // Each once, in the order given.
    QList<T *> result;
    QSet<const T *> seen;
    for (T *object : objects) {
        if (!m_deleted.contains(object) && !seen.contains(object)) {
            seen.insert(object);
            result.append(object);
        }
    }
    return result;
}

template<typename T> void Settings::deleteObjects(const QList<T *> &objects)
{
    for (T *object : objects)
        m_deleted.insert(object);
    dispose(QList<Editable *>(objects.cbegin(), objects.cend()));
}

void Settings::removeChannels(
    Editable *context, const QList<Channel *> &channels, const QHash<Channel *, Channel *> &successors)
{
    RemovalScope scope(m_removalDepth, m_deleted);
    ChannelList *list = channelListFor(context);
    if (!list)
        return;
    // Only what the store holds now, and for a group only what that group
    // holds: a channel held by no list may still belong to a caller.
    QList<Channel *> doomed = notYetDeleted(channels);
    doomed.removeIf([this, list](Channel *channel) {
        return list == &m_channelList ? !holds(channel) : !list->contains(channel);
    });
    list->remove(doomed);
    if (list == &m_channelList) {
        // A successor takes a deleted channel's places only if it stays; which
        // ones do is known before any group is looked at.
        QList<std::pair<Channel *, Channel *>> takeOvers;
        for (Channel *channel : std::as_const(doomed))
            if (Channel *successor = successors.value(channel); successor && holds(successor))
                takeOvers.append(std::make_pair(channel, successor));
        // No group may keep a channel that is about to be deleted.
        for (ChannelList *groupList : std::as_const(m_groupLists)) {
            // A group that holds the successor already loses the channel
            // with the rest of the doomed below.
            for (const auto &[channel, successor] : std::as_const(takeOvers))
                if (!groupList->contains(successor))
                    groupList->replace(channel, successor);
            groupList->remove(doomed);
        }
        deleteObjects(doomed);
    } else {
        // A channel created inside a group belongs to no other list; taken
        // out of its last group it would be lost without being deleted.
        QList<Channel *> orphans;
        for (Channel *channel : doomed)
            if (!holds(channel))
                orphans.append(channel);
        deleteObjects(orphans);
    }
    if (!m_updatesSuspended)
        emitPendingChannelListUpdate();
}

void Settings::removeChannelsOwnedBy(const QSet<const Editable *> &owners, OwnerOf ownerOf)
{
    // Every list, since a channel created inside a group is held by that
    // group alone and must not outlive its owner either.
    QList<Channel *> doomed;
    QSet<Channel *> seen;
    auto collect = [&](const ChannelList &list) {
        for (Channel *channel : list.channels()) {
            const Editable *owner = ownerOf(channel);
            if (owner && owners.contains(owner) && !seen.contains(channel)) {
                seen.insert(channel);
                doomed.append(channel);
            }
        }
    };
    collect(m_channelList);
    for (const FavoriteGroup *group : std::as_const(m_favoriteGroups))
        collect(*m_groupLists.value(group));
    if (doomed.isEmpty())
        return;
    const bool wasSuspended = setUpdatesSuspended(true);
    removeChannels(nullptr, doomed);
    setUpdatesSuspended(wasSuspended);
}

template<typename T>
void Settings::removeOwners(const QList<T *> &owners, QList<T *> &list, OwnerOf ownerOf, bool &pending)
{
    RemovalScope scope(m_removalDepth, m_deleted);
    const QList<T *> doomed = notYetDeleted(owners);
    const QSet<const Editable *> doomedSet(doomed.cbegin(), doomed.cend());
    removeChannelsOwnedBy(doomedSet, ownerOf);
    list.removeIf([&doomedSet](T *object) { return doomedSet.contains(object); });
    deleteObjects(doomed);
    // Only a list that changed is announced.
    pending = pending || !doomed.isEmpty();
    if (!m_updatesSuspended)
        emitPendingUpdates();
}

void Settings::removeProviders(const QList<Provider *> &providers)
{
    removeOwners(
        providers, m_providers, [](const Channel *c) -> const Editable * { return c->provider(); },
        m_providerListPending);
}

void Settings::removeTransponders(const QList<Transponder *> &transponders)
{
    removeOwners(
        transponders, m_transponders, [](const Channel *c) -> const Editable * { return c->transponder(); },
        m_transponderListPending);
}

void Settings::removeSatellites(const QList<Satellite *> &satellites)
{
    RemovalScope scope(m_removalDepth, m_deleted);
    const QList<Satellite *> doomed = notYetDeleted(satellites);
    for (Satellite *satellite : doomed) {
        removeTransponders(transpondersOf(satellite));
        m_satellites.removeOne(satellite);
    }
    deleteObjects(doomed);
    m_satelliteListPending = m_satelliteListPending || !doomed.isEmpty();
    if (!m_updatesSuspended)
        emitPendingUpdates();
}

void Settings::removeEditables(const QList<Editable *> &editables)
{
    RemovalScope scope(m_removalDepth, m_deleted);
    QList<Channel *> channels;
    QList<Provider *> providers;
    QList<Satellite *> satellites;
    QList<Transponder *> transponders;
    for (Editable *editable : editables) {
        switch (editable->typeCode()) {
        case ChannelType:
            channels.append(static_cast<Channel *>(editable));
            break;
        case ProviderType:
            providers.append(static_cast<Provider *>(editable));
            break;
        case SatelliteType:
            satellites.append(static_cast<Satellite *>(editable));
            break;
        case TransponderType:
            transponders.append(static_cast<Transponder *>(editable));
            break;
        default:
            break;
        }
    }
    const bool wasSuspended = setUpdatesSuspended(true);
    removeSatellites(satellites);
    removeTransponders(transponders);
    removeProviders(providers);
    removeChannels(nullptr, channels);
    setUpdatesSuspended(wasSuspended);
    emitPendingUpdates();
}

bool Settings::canDropEditable(Editable *dragged, Editable *target) const
{
    if (!dragged || !target)
        return false;
    const int targetType = target->typeCode();
    switch (dragged->typeCode()) {
    case ChannelType:
        return targetType == ChannelType || targetType == FavoriteGroupType || targetType == ProviderType
            || targetType == TransponderType;
    case TransponderType:
        return targetType == SatelliteType || (targetType == TransponderType && !m_rules.sortedTransponders);
    default:
        return false;
    }
}

bool Settings::canDropEditables(const QList<Editable *> &dragged, Editable *target) const
{
    return std::all_of(dragged.cbegin(), dragged.cend(),
        [this, target](Editable *editable) { return canDropEditable(editable, target); });
}

void Settings::dropEditable(Editable *dragged, Editable *target, Editable *context)
{
    if (!dragged || !target)
        return;
    const int targetType = target->typeCode();
    if (dragged->typeCode() == ChannelType) {
        auto *channel = static_cast<Channel *>(dragged);
        if (targetType == ChannelType) {
            if (ChannelList *list = channelListFor(context))
                list->move(channel, static_cast<Channel *>(target));
        } else if (targetType == FavoriteGroupType) {
            if (ChannelList *list = channelListFor(target))
                list->append(channel);
        } else if (targetType == ProviderType) {
            channel->setProvider(static_cast<Provider *>(target));
        } else if (targetType == TransponderType) {
            channel->setTransponder(static_cast<Transponder *>(target));
        }
    } else if (dragged->typeCode() == TransponderType) {
        auto *transponder = static_cast<Transponder *>(dragged);
        if (targetType == SatelliteType) {
            transponder->setSatellite(static_cast<Satellite *>(target));
            m_transponderListPending = true;
        } else if (targetType == TransponderType && !m_rules.sortedTransponders) {
            const int from = int(m_transponders.indexOf(transponder));
            const int to = int(m_transponders.indexOf(static_cast<Transponder *>(target)));
            if (from >= 0 && to >= 0) {
                m_transponders.move(from, to);
                m_transponderListPending = true;
            }
        }
    }
    if (!m_updatesSuspended)
        emitPendingUpdates();
}

bool Settings::reorderChannels(Editable *context, const QList<Channel *> &order)
{
    ChannelList *list = channelListFor(context);
    if (!list || !list->reorder(order))
        return false;
    if (!m_updatesSuspended)
        emitPendingUpdates();
    return true;
}

void Settings::dropEditables(const QList<Editable *> &dragged, Editable *target, Editable *context)
{
    const bool wasSuspended = setUpdatesSuspended(true);
    if (target && target->typeCode() == ChannelType) {
        // Only channels move onto a channel, and moving them in one pass
        // keeps a large drop linear.
        QList<Channel *> channels;
        for (Editable *editable : dragged)
            if (editable && editable->typeCode() == ChannelType)
                channels.append(static_cast<Channel *>(editable));
        if (ChannelList *list = channelListFor(context))
            list->move(channels, static_cast<Channel *>(target));
    } else {
        for (Editable *editable : dragged)
            dropEditable(editable, target, context);
    }
    emitPendingUpdates();
    setUpdatesSuspended(wasSuspended);
}

bool Settings::setUpdatesSuspended(bool on)
{
    return std::exchange(m_updatesSuspended, on);
}

bool Settings::emitPendingChannelListUpdate()
{
    // Every flag is taken, also after one was found set.
    bool modified = m_channelList.takeModified();
    for (FavoriteGroup *group : std::as_const(m_favoriteGroups))
        modified = m_groupLists.value(group)->takeModified() || modified;
    if (modified)
        emit updatedChannelList();
    return modified;
}

void Settings::emitPendingUpdates()
{
    if (std::exchange(m_satelliteListPending, false))
        emit updatedSatelliteList();
    if (std::exchange(m_transponderListPending, false))
        emit updatedTransponderList();
    if (std::exchange(m_providerListPending, false))
        emit updatedProviderList();
    emitPendingChannelListUpdate();
}

void Settings::editablePropertyChanged(Editable *editable)
{
    emit updatedEditable(editable);
    if (!m_updatesSuspended)
        emitPendingUpdates();
}

void Settings::moveSatellite(int from, int to)
{
    m_satellites.move(from, to);
    emit updatedSatelliteList();
}
