#include "channel.h"
#include "favoritegroup.h"
#include "provider.h"
#include "rooteditable.h"
#include "satellite.h"
#include "testsettings.h"
#include "transponder.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTest>

#include <memory>

// Records the store's signals by name, in the order they arrive.
class SignalLog : public QObject
{
public:
    explicit SignalLog(Settings *settings)
    {
        auto log = [this](const char *name) { return [this, name] { m_names.append(QLatin1String(name)); }; };
        connect(settings, &Settings::updatedSatelliteList, this, log("satellites"));
        connect(settings, &Settings::updatedTransponderList, this, log("transponders"));
        connect(settings, &Settings::updatedProviderList, this, log("providers"));
        connect(settings, &Settings::updatedChannelList, this, log("channels"));
        connect(settings, &Settings::updatedFavoriteGroupList, this, log("groups"));
        connect(settings, &Settings::updatedEditable, this, log("editable"));
    }
    QString take() { return std::exchange(m_names, {}).join(QLatin1Char(' ')); }

private:
    QStringList m_names;
};

// Two satellites with two transponders each, two providers, six channels
// (the last two radio) spread over them, and two favourite groups.
struct Fixture
{
    Fixture()
    {
        for (int i = 0; i < 2; ++i) {
            satellites.append(new Satellite);
            settings.addSatellite(satellites.last());
            providers.append(new Provider);
            providers.last()->setName(QStringLiteral("P%1").arg(i));
            settings.addProvider(providers.last());
        }
        for (int i = 0; i < 4; ++i) {
            transponders.append(new Transponder);
            transponders.last()->setSatellite(satellites.at(i / 2));
            settings.addTransponder(transponders.last());
        }
        for (int i = 0; i < 6; ++i) {
            auto *channel = new Channel;
            channel->setName(QStringLiteral("C%1").arg(i));
            channel->setServiceType(i >= 4 ? 1 : 0);
            channel->setTransponder(transponders.at(i % 4));
            channel->setProvider(providers.at(i % 2));
            channels.append(channel);
            settings.addChannel(nullptr, channel);
        }
        for (int i = 0; i < 2; ++i) {
            groups.append(new FavoriteGroup);
            settings.addFavoriteGroup(groups.last());
        }
        settings.addChannel(groups.at(0), channels.at(0));
        settings.addChannel(groups.at(0), channels.at(4));
        settings.addChannel(groups.at(1), channels.at(1));
        settings.emitPendingUpdates();
    }

    TestSettings settings;
    QList<Satellite *> satellites;
    QList<Transponder *> transponders;
    QList<Provider *> providers;
    QList<Channel *> channels;
    QList<FavoriteGroup *> groups;
};

class TestSettingsStore : public QObject
{
    Q_OBJECT

private slots:
    void rootsAndContains();
    void addSignalsGoOutAtOnce();
    void propertyChangeIsReannouncedThenFlushed();
    void suspendedChangesWaitForTheFlush();
    void deletingATransponderDeletesItsChannelsThenAnnounces();
    void deletingAProviderDeletesItsChannels();
    void deletingASatelliteCascades();
    void removeEditablesAnnouncesEveryListOnce();
    void removeEditablesSkipsWhatACascadeDeleted();
    void removeEditablesIgnoresGroupsAndRoots();
    void removingFromAGroupKeepsTheChannel();
    void deletedChannelsLeaveEveryGroup();
    void channelsOfByContext();
    void canDropByTypes_data();
    void canDropByTypes();
    void dropEditablesBatchesListSignals();
    void dropOntoAGroupAddsOnce();
    void dropTransponderOntoSatellite();
    void transponderReorderWithoutFeatureOne();
    void serviceTypeChangeReordersTheMainListOnly();
    void favoriteGroupsKeepCreationOrder();
    void destructionIsSilentAndComplete();
};

void TestSettingsStore::rootsAndContains()
{
    Fixture f;
    Settings &s = f.settings;
    QCOMPARE(s.satellitesRoot()->displayText(), QStringLiteral("Satellites"));
    QCOMPARE(s.providersRoot()->typeCode(), int(ProvidersRootType));
    QCOMPARE(s.favoritesRoot()->typeCode(), int(FavoritesRootType));
    QVERIFY(s.contains(s.satellitesRoot()));
    QVERIFY(s.contains(s.providersRoot()));
    QVERIFY(!s.contains(s.favoritesRoot()));
    for (Editable *e : std::initializer_list<Editable *>{f.satellites.at(1), f.transponders.at(3), f.providers.at(0),
                                                         f.channels.at(5), f.groups.at(1)})
        QVERIFY(s.contains(e));
    Channel stranger;
    QVERIFY(!s.contains(&stranger));
    QCOMPARE(s.transpondersOf(f.satellites.at(1)), (QList<Transponder *>{f.transponders.at(2), f.transponders.at(3)}));
}

void TestSettingsStore::addSignalsGoOutAtOnce()
{
    TestSettings s;
    SignalLog log(&s);
    const bool wasSuspended = s.setUpdatesSuspended(true);
    QVERIFY(!wasSuspended);
    s.addSatellite(new Satellite);
    s.addTransponder(new Transponder);
    s.addProvider(new Provider);
    s.addChannel(nullptr, new Channel);
    s.addFavoriteGroup(new FavoriteGroup);
    QCOMPARE(log.take(), QStringLiteral("satellites transponders providers channels groups"));
    // addChannel leaves the list's flag set, so the next flush announces the list again.
    s.emitPendingUpdates();
    QCOMPARE(log.take(), QStringLiteral("channels"));
}

void TestSettingsStore::propertyChangeIsReannouncedThenFlushed()
{
    Fixture f;
    SignalLog log(&f.settings);
    QSignalSpy spy(&f.settings, &Settings::updatedEditable);
    f.groups.at(0)->setName(QStringLiteral("Sport"));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<Editable *>(), f.groups.at(0));
    QCOMPARE(log.take(), QStringLiteral("editable"));
}

void TestSettingsStore::suspendedChangesWaitForTheFlush()
{
    Fixture f;
    SignalLog log(&f.settings);
    f.settings.setUpdatesSuspended(true);
    f.channels.at(0)->setServiceType(1);
    QCOMPARE(log.take(), QStringLiteral("editable"));
    f.settings.emitPendingUpdates();
    QCOMPARE(log.take(), QStringLiteral("channels"));
}

void TestSettingsStore::deletingATransponderDeletesItsChannelsThenAnnounces()
{
    Fixture f;
    // Three channels on one transponder.
    f.channels.at(4)->setTransponder(f.transponders.at(1));
    for (int i = 1; i < 3; ++i)
        f.channels.at(i)->setTransponder(f.transponders.at(0));
    QPointer<Channel> c0 = f.channels.at(0), c1 = f.channels.at(1), c2 = f.channels.at(2);
    QPointer<Transponder> transponder = f.transponders.at(0);
    SignalLog log(&f.settings);
    bool transponderGoneFirst = true;
    connect(&f.settings, &Settings::updatedChannelList, this,
            [&] { transponderGoneFirst = transponderGoneFirst && transponder.isNull(); });

    f.settings.removeTransponders({f.transponders.at(0)});
    QCOMPARE(log.take(), QStringLiteral("transponders channels"));
    QVERIFY(transponderGoneFirst);
    QVERIFY(!c0 && !c1 && !c2 && !transponder);
    QCOMPARE(f.settings.channels().size(), 3);
    QCOMPARE(f.settings.transponders().size(), 3);
}

void TestSettingsStore::deletingAProviderDeletesItsChannels()
{
    Fixture f;
    SignalLog log(&f.settings);
    f.settings.removeProviders({f.providers.at(0)});
    QCOMPARE(log.take(), QStringLiteral("providers channels"));
    QCOMPARE(f.settings.providers(), QList<Provider *>{f.providers.at(1)});
    for (Channel *channel : f.settings.channels())
        QCOMPARE(channel->provider(), f.providers.at(1));
    QCOMPARE(f.settings.channels().size(), 3);
}

void TestSettingsStore::deletingASatelliteCascades()
{
    Fixture f;
    SignalLog log(&f.settings);
    f.settings.removeSatellites({f.satellites.at(1)});
    // The transponders go in their own flush, then the satellite list follows.
    QCOMPARE(log.take(), QStringLiteral("transponders channels satellites"));
    QCOMPARE(f.settings.satellites(), QList<Satellite *>{f.satellites.at(0)});
    QCOMPARE(f.settings.transponders(), (QList<Transponder *>{f.transponders.at(0), f.transponders.at(1)}));
    for (Channel *channel : f.settings.channels())
        QCOMPARE(channel->transponder()->satellite(), f.satellites.at(0));
}

void TestSettingsStore::removeEditablesAnnouncesEveryListOnce()
{
    Fixture f;
    SignalLog log(&f.settings);
    f.settings.removeEditables({f.channels.at(5), f.providers.at(0), f.transponders.at(1), f.channels.at(4)});
    QCOMPARE(log.take(), QStringLiteral("satellites transponders providers channels"));
    QCOMPARE(f.settings.channels().size(), 1);

    // Even a selection without anything to delete ends with the three list signals.
    f.settings.removeEditables({f.groups.at(0)});
    QCOMPARE(log.take(), QStringLiteral("satellites transponders providers"));
}

void TestSettingsStore::removeEditablesSkipsWhatACascadeDeleted()
{
    Fixture f;
    QList<QPointer<Editable>> watched;
    for (Editable *e : std::initializer_list<Editable *>{f.satellites.at(0), f.transponders.at(0), f.channels.at(0),
                                                         f.channels.at(4)})
        watched.append(e);
    // The satellite takes its transponder and that transponder's channels;
    // the later steps must not delete them a second time (ASan would tell).
    f.settings.removeEditables({f.channels.at(0), f.transponders.at(0), f.satellites.at(0), f.satellites.at(0),
                                f.channels.at(4), f.channels.at(0)});
    for (const QPointer<Editable> &e : watched)
        QVERIFY(e.isNull());
    QCOMPARE(f.settings.satellites().size(), 1);
    QCOMPARE(f.settings.transponders().size(), 2);
    QCOMPARE(f.settings.channels(), (QList<Channel *>{f.channels.at(2), f.channels.at(3)}));
}

void TestSettingsStore::removeEditablesIgnoresGroupsAndRoots()
{
    Fixture f;
    f.settings.removeEditables({f.groups.at(0), f.settings.satellitesRoot(), f.settings.favoritesRoot()});
    QCOMPARE(f.settings.favoriteGroups(), f.groups);
    QCOMPARE(f.settings.channelsOf(f.groups.at(0)), (QList<Channel *>{f.channels.at(0), f.channels.at(4)}));
}

void TestSettingsStore::removingFromAGroupKeepsTheChannel()
{
    Fixture f;
    SignalLog log(&f.settings);
    QPointer<Channel> channel = f.channels.at(0);
    f.settings.removeChannels(f.groups.at(0), {channel.data()});
    QCOMPARE(log.take(), QStringLiteral("channels"));
    QVERIFY(channel);
    QVERIFY(f.settings.channels().contains(channel.data()));
    QCOMPARE(f.settings.channelsOf(f.groups.at(0)), QList<Channel *>{f.channels.at(4)});
}

void TestSettingsStore::deletedChannelsLeaveEveryGroup()
{
    Fixture f;
    // Provider P0 owns channels 0, 2 and 4; groups hold 0 and 4 (group 0) and 1 (group 1).
    f.settings.removeProviders({f.providers.at(0)});
    QVERIFY(f.settings.channelsOf(f.groups.at(0)).isEmpty());
    QCOMPARE(f.settings.channelListFor(f.groups.at(0))->tvCount(), 0);
    QCOMPARE(f.settings.channelsOf(f.groups.at(1)), QList<Channel *>{f.channels.at(1)});

    f.settings.removeChannels(nullptr, {f.channels.at(1)});
    QVERIFY(f.settings.channelsOf(f.groups.at(1)).isEmpty());
}

void TestSettingsStore::channelsOfByContext()
{
    Fixture f;
    Settings &s = f.settings;
    QCOMPARE(s.channelsOf(s.satellitesRoot()), s.channels());
    QVERIFY(s.channelsOf(s.providersRoot()).isEmpty());
    QVERIFY(s.channelsOf(s.favoritesRoot()).isEmpty());
    QCOMPARE(s.channelsOf(f.satellites.at(0)).size(), 4);
    // Group lists keep TV channels first; channel 4 is radio.
    QCOMPARE(s.channelsOf(f.groups.at(0)), (QList<Channel *>{f.channels.at(0), f.channels.at(4)}));
    FavoriteGroup stranger;
    QVERIFY(s.channelsOf(&stranger).isEmpty());
    QCOMPARE(s.channelListFor(&stranger), nullptr);
    QCOMPARE(s.channelListFor(f.channels.at(0)), &s.mainChannelList());
}

void TestSettingsStore::canDropByTypes_data()
{
    QTest::addColumn<int>("dragged");
    QTest::addColumn<int>("target");
    QTest::addColumn<bool>("allowed");
    QTest::addRow("channel on channel") << int(ChannelType) << int(ChannelType) << true;
    QTest::addRow("channel on group") << int(ChannelType) << int(FavoriteGroupType) << true;
    QTest::addRow("channel on provider") << int(ChannelType) << int(ProviderType) << true;
    QTest::addRow("channel on transponder") << int(ChannelType) << int(TransponderType) << true;
    QTest::addRow("channel on satellite") << int(ChannelType) << int(SatelliteType) << false;
    QTest::addRow("transponder on satellite") << int(TransponderType) << int(SatelliteType) << true;
    QTest::addRow("transponder on transponder") << int(TransponderType) << int(TransponderType) << false;
    QTest::addRow("transponder on provider") << int(TransponderType) << int(ProviderType) << false;
    QTest::addRow("satellite on satellite") << int(SatelliteType) << int(SatelliteType) << false;
    QTest::addRow("provider on channel") << int(ProviderType) << int(ChannelType) << false;
    QTest::addRow("group on group") << int(FavoriteGroupType) << int(FavoriteGroupType) << false;
}

static Editable *objectOfType(Fixture &f, int type)
{
    switch (type) {
    case ChannelType:
        return f.channels.at(0);
    case FavoriteGroupType:
        return f.groups.at(0);
    case ProviderType:
        return f.providers.at(0);
    case SatelliteType:
        return f.satellites.at(0);
    case TransponderType:
        return f.transponders.at(0);
    }
    return nullptr;
}

void TestSettingsStore::canDropByTypes()
{
    QFETCH(int, dragged);
    QFETCH(int, target);
    QFETCH(bool, allowed);
    Fixture f;
    QCOMPARE(f.settings.canDropEditable(objectOfType(f, dragged), objectOfType(f, target)), allowed);
    QCOMPARE(f.settings.canDropEditables({objectOfType(f, dragged), f.channels.at(1)}, objectOfType(f, target)),
             allowed && dragged == ChannelType);
    QVERIFY(f.settings.canDropEditables({}, objectOfType(f, target)));
}

void TestSettingsStore::dropEditablesBatchesListSignals()
{
    Fixture f;
    SignalLog log(&f.settings);
    f.settings.dropEditables({f.channels.at(0), f.channels.at(1)}, f.transponders.at(3), nullptr);
    QCOMPARE(log.take(), QStringLiteral("editable editable"));
    QCOMPARE(f.channels.at(1)->transponder(), f.transponders.at(3));

    // Reordering the main list: each dropped channel takes the target's place,
    // pushing the target (and the channels dropped before) down.
    f.settings.dropEditables({f.channels.at(3), f.channels.at(2), f.channels.at(5)}, f.channels.at(0), nullptr);
    QCOMPARE(log.take(), QStringLiteral("channels"));
    QCOMPARE(f.settings.channels(), (QList<Channel *>{f.channels.at(3), f.channels.at(2), f.channels.at(0),
                                                      f.channels.at(1), f.channels.at(5), f.channels.at(4)}));
    QVERIFY(!f.settings.updatesSuspended());
}

void TestSettingsStore::dropOntoAGroupAddsOnce()
{
    Fixture f;
    SignalLog log(&f.settings);
    f.settings.dropEditables({f.channels.at(5), f.channels.at(1)}, f.groups.at(0), nullptr);
    QCOMPARE(log.take(), QStringLiteral("channels"));
    QCOMPARE(f.settings.channelsOf(f.groups.at(0)),
             (QList<Channel *>{f.channels.at(0), f.channels.at(1), f.channels.at(4), f.channels.at(5)}));
    // A second drop of channels the group holds changes nothing.
    f.settings.dropEditables({f.channels.at(5), f.channels.at(0)}, f.groups.at(0), nullptr);
    QCOMPARE(log.take(), QString());
    QCOMPARE(f.settings.channelListFor(f.groups.at(0))->count(), 4);
    QCOMPARE(f.settings.channelListFor(f.groups.at(0))->tvCount(), 2);
}

void TestSettingsStore::dropTransponderOntoSatellite()
{
    Fixture f;
    SignalLog log(&f.settings);
    f.settings.dropEditable(f.transponders.at(0), f.satellites.at(1), nullptr);
    QCOMPARE(log.take(), QStringLiteral("editable transponders"));
    QCOMPARE(f.transponders.at(0)->satellite(), f.satellites.at(1));
    // With feature 1 a transponder is never reordered by a drop.
    f.settings.dropEditable(f.transponders.at(3), f.transponders.at(0), nullptr);
    QCOMPARE(f.settings.transponders(), f.transponders);
    QCOMPARE(log.take(), QString());
}

void TestSettingsStore::transponderReorderWithoutFeatureOne()
{
    TestSettings s({0});
    QList<Transponder *> transponders;
    for (int i = 0; i < 3; ++i) {
        transponders.append(new Transponder);
        s.addTransponder(transponders.last());
    }
    QVERIFY(s.canDropEditable(transponders.at(2), transponders.at(0)));
    SignalLog log(&s);
    s.dropEditable(transponders.at(2), transponders.at(0), nullptr);
    QCOMPARE(log.take(), QStringLiteral("transponders"));
    QCOMPARE(s.transponders(), (QList<Transponder *>{transponders.at(2), transponders.at(0), transponders.at(1)}));
}

void TestSettingsStore::serviceTypeChangeReordersTheMainListOnly()
{
    Fixture f;
    SignalLog log(&f.settings);
    // Channel 0 is TV, first in the main list and in group 0.
    f.channels.at(0)->setServiceType(1);
    QCOMPARE(log.take(), QStringLiteral("editable channels"));
    QCOMPARE(f.settings.mainChannelList().tvCount(), 3);
    QCOMPARE(f.settings.channels().indexOf(f.channels.at(0)), 3);
    QCOMPARE(f.settings.channelsOf(f.groups.at(0)).first(), f.channels.at(0));
}

void TestSettingsStore::favoriteGroupsKeepCreationOrder()
{
    TestSettings s;
    QList<FavoriteGroup *> groups;
    for (int i = 0; i < 9; ++i) {
        groups.append(new FavoriteGroup);
        s.addFavoriteGroup(groups.last());
    }
    QCOMPARE(s.favoriteGroups(), groups);
    QVERIFY(s.channelListFor(groups.at(4))->tvFirst());
}

void TestSettingsStore::destructionIsSilentAndComplete()
{
    auto f = std::make_unique<Fixture>();
    auto *groupOnly = new Channel;
    f->settings.addChannel(f->groups.at(1), groupOnly);
    QList<QPointer<Editable>> everything;
    for (Editable *e : f->settings.channels())
        everything.append(e);
    for (Editable *e : std::initializer_list<Editable *>{f->satellites.at(0), f->transponders.at(0),
                                                         f->providers.at(0), f->groups.at(0), groupOnly})
        everything.append(e);
    SignalLog log(&f->settings);
    f.reset();
    QCOMPARE(log.take(), QString());
    for (const QPointer<Editable> &e : everything)
        QVERIFY(e.isNull());
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settings.moc"
