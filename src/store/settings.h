#pragma once

#include "model/editablewatcher.h"
#include "store/channellist.h"
#include "store/storedname.h"
#include "store/storelists.h"
#include "store/storerules.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>

class QFileDevice;
class Channel;
class EditableKeeper;
class Editable;
class FavoriteGroup;
class Provider;
class RootEditable;
class Satellite;
class Transponder;

// The store of one settings file: owns every object of the file, keeps them
// in the receiver's order, carries out deletions with their cascades and
// drops, and turns single object changes into store-wide signals. The file
// formats derive from it and fill it on load.
class Settings : public QObject, public EditableWatcher
{
    Q_OBJECT

public:
    Settings();
    ~Settings() override;

    [[nodiscard]] virtual bool load(QFileDevice *file) = 0;
    // Returns the number of bytes written, or -1 (see errorString()).
    [[nodiscard]] virtual qint64 save(QFileDevice *file) = 0;
    // What the file's format asks of this store; see StoreRules.
    const StoreRules &rules() const { return m_rules; }
    const SettingsCapacity &capacity() const { return m_rules.capacity; }
    // What a save makes of this name for this object, whether the object
    // has it yet or a dialog is about to give it: the one rule by which the
    // dialogs, the file check and the channel table foresee a cut name.
    [[nodiscard]] virtual StoredName storedName(const Editable *owner, const QString &name) const
    {
        Q_UNUSED(owner);
        return { name };
    }
    // The receiver the file is for, by a name that stays ("HD"), and as
    // its owner knows it ("Kelmora HD"); empty for a store without a file.
    [[nodiscard]] virtual QString model() const { return {}; }
    [[nodiscard]] virtual QString modelName() const { return {}; }
    // The whole file as the store last read or wrote it, which a save
    // rewrites in place; null for a store whose file is not one image.
    [[nodiscard]] virtual const QByteArray *fileImage() const { return nullptr; }
    // Why the last load or save failed.
    QString errorString() const { return m_errorString; }

    RootEditable *satellitesRoot() const { return m_satellitesRoot; }
    RootEditable *providersRoot() const { return m_providersRoot; }
    RootEditable *favoritesRoot() const { return m_favoritesRoot; }

    QList<Satellite *> satellites() const { return m_satellites; }
    QList<Transponder *> transponders() const { return m_transponders; }
    QList<Provider *> providers() const { return m_providers; }
    QList<Channel *> channels() const { return m_channelList.channels(); }
    // In the order the groups were added, which is the file's record order.
    QList<FavoriteGroup *> favoriteGroups() const { return m_favoriteGroups; }
    const ChannelList &mainChannelList() const { return m_channelList; }
    // Every list's content at once, as a value that stays as it is when
    // the store changes.
    StoreLists lists() const;

    QList<Transponder *> transpondersOf(Satellite *satellite) const;
    ChannelList *channelListFor(Editable *context);
    QList<Channel *> channelsOf(Editable *context) const;
    // Never dereferences the pointer, so it is safe for an object that may
    // already have been deleted.
    bool contains(const Editable *editable) const;
    // The object of the store with this id (roots included), or null: views
    // find their selection again after a snapshot brought new objects back.
    Editable *editableById(quint64 id) const;
    // The objects of these ids that the store holds, found in one pass.
    QHash<quint64, Editable *> editablesByIds(const QSet<quint64> &ids) const;

    void addSatellite(Satellite *satellite);
    void addTransponder(Transponder *transponder);
    void addProvider(Provider *provider);
    void addChannel(Editable *context, Channel *channel);
    // Many objects announced once per list, so that a large copy is not a
    // rebuild of the views per object.
    void addSatellites(const QList<Satellite *> &satellites);
    void addTransponders(const QList<Transponder *> &transponders);
    void addProviders(const QList<Provider *> &providers);
    void addChannels(Editable *context, const QList<Channel *> &channels);
    void addFavoriteGroup(FavoriteGroup *group);

    // A channel deleted from the main list that has a successor leaves its
    // places in the favourite groups to that successor.
    void removeChannels(Editable *context, const QList<Channel *> &channels,
        const QHash<Channel *, Channel *> &successors = {});
    void removeProviders(const QList<Provider *> &providers);
    void removeTransponders(const QList<Transponder *> &transponders);
    void removeSatellites(const QList<Satellite *> &satellites);
    void removeEditables(const QList<Editable *> &editables);

    // Puts the lists' content in place of the store's: objects that join are
    // watched and owned by the store again (or for the first time, when they
    // were made from a snapshot), objects that leave are handed to the keeper,
    // or deleted without one. Only the lists that changed are announced.
    void setLists(const StoreLists &lists);
    // While one is set, no object is deleted when it leaves the store: the
    // keeper takes it. Null to delete them again.
    void setKeeper(EditableKeeper *keeper) { m_keeper = keeper; }

    bool canDropEditable(Editable *dragged, Editable *target) const;
    bool canDropEditables(const QList<Editable *> &dragged, Editable *target) const;
    void dropEditable(Editable *dragged, Editable *target, Editable *context);
    void dropEditables(const QList<Editable *> &dragged, Editable *target, Editable *context);

    // Puts the channels of the context's list in the given order (see
    // ChannelList::reorder); false when the order was refused.
    [[nodiscard]] bool reorderChannels(Editable *context, const QList<Channel *> &order);

    // Moves one satellite to another place in the list, announced at once.
    void moveSatellite(int from, int to);
    // For a file just loaded, which has nothing to announce: whatever the
    // filling left pending must not reach the views with the user's first
    // action.
    void discardPendingUpdates();

    bool updatesSuspended() const { return m_updatesSuspended; }
    // Returns the previous value, which the caller restores when its batch ends.
    bool setUpdatesSuspended(bool on);
    void emitPendingUpdates();

    // Calls f in the context's thread after every announcement of the store,
    // of one object or of a list: for those that only need to know that
    // something changed.
    // Returns the connections, for a listener that stops before its context ends.
    template<typename Functor>
    QList<QMetaObject::Connection> connectEveryChange(const QObject *context, Functor f)
    {
        QList<QMetaObject::Connection> connections { connect(this, &Settings::updatedEditable, context, f) };
        for (auto signal : { &Settings::updatedSatelliteList, &Settings::updatedTransponderList,
                 &Settings::updatedProviderList, &Settings::updatedChannelList,
                 &Settings::updatedFavoriteGroupList })
            connections.append(connect(this, signal, context, f));
        return connections;
    }

signals:
    void updatedEditable(Editable *editable);
    void updatedSatelliteList();
    void updatedTransponderList();
    void updatedProviderList();
    void updatedChannelList();
    void updatedFavoriteGroupList();

public slots:
    void editablePropertyChanged(Editable *editable) override;

protected:
    // Set by a format before it fills the store: favourite group lists
    // made earlier keep the TV-first mode they were made with.
    void setRules(const StoreRules &rules);
    void setErrorString(const QString &message) { m_errorString = message; }

private:
    ChannelList *addGroupList(FavoriteGroup *group);
    ChannelList *newGroupList();
    void assignGroupLists(const StoreLists &lists);
    // Objects that left the store: to the keeper, or deleted.
    void dispose(const QList<Editable *> &objects);

    void watch(Editable *editable);
    template<typename T>
    void addAll(const QList<T *> &objects, QList<T *> &list, void (Settings::*announce)());
    // Whether the main list or any group's list holds the channel.
    bool holds(Channel *channel) const;
    bool emitPendingChannelListUpdate();
    template<typename T> void deleteObjects(const QList<T *> &objects);
    template<typename T> QList<T *> notYetDeleted(const QList<T *> &objects) const;
    // Which object a channel belongs to for a cascade: its provider or its transponder.
    using OwnerOf = const Editable *(*)(const Channel *);
    void removeChannelsOwnedBy(const QSet<const Editable *> &owners, OwnerOf ownerOf);
    template<typename T>
    void removeOwners(const QList<T *> &owners, QList<T *> &list, OwnerOf ownerOf, bool &pending);

    RootEditable *m_satellitesRoot = nullptr;
    RootEditable *m_providersRoot = nullptr;
    RootEditable *m_favoritesRoot = nullptr;
    QList<Satellite *> m_satellites;
    QList<Transponder *> m_transponders;
    QList<Provider *> m_providers;
    ChannelList m_channelList;
    QList<FavoriteGroup *> m_favoriteGroups;
    QHash<const FavoriteGroup *, ChannelList *> m_groupLists;
    bool m_satelliteListPending = false;
    bool m_transponderListPending = false;
    bool m_providerListPending = false;
    bool m_updatesSuspended = false;
    StoreRules m_rules;
    QString m_errorString;
    EditableKeeper *m_keeper = nullptr;

    // Objects deleted during the outermost removal call still running, so
    // that a later step of the same call never touches them again.
    QSet<const Editable *> m_deleted;
    int m_removalDepth = 0;
};
