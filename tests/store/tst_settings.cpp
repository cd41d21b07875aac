#include "model/channel.h"
#include "model/favoritegroup.h"
#include "model/provider.h"
#include "model/rooteditable.h"
#include "model/satellite.h"
#include "model/transponder.h"
#include "storebuilder.h"
#include "testsettings.h"

#include <QPointer>
#include <QTest>

#include <functional>
#include <memory>

namespace {

// Records the store's signals in the order they arrive, an object change
// with the object's label.
class SignalLog : public QObject
{
public:
    explicit SignalLog(Settings *settings)
    {
        auto log = [this](const char *name) { return [this, name] { note(QLatin1String(name)); }; };
        connect(settings, &Settings::updatedSatelliteList, this, log("satellites"));
        connect(settings, &Settings::updatedTransponderList, this, log("transponders"));
        connect(settings, &Settings::updatedProviderList, this, log("providers"));
        connect(settings, &Settings::updatedChannelList, this, log("channels"));
        connect(settings, &Settings::updatedFavoriteGroupList, this, log("groups"));
        connect(settings, &Settings::updatedEditable, this,
            [this](Editable *editable) { note(QStringLiteral("editable:") + editable->objectName()); });
    }
    void note(const QString &entry) { m_entries.append(entry); }
    QString take() { return std::exchange(m_entries, {}).join(QLatin1Char(' ')); }

private:
    QStringList m_entries;
};

// The labels in list order; a TV block out of step with the list shows as a "!".
QString listText(const ChannelList &list)
{
    QString text = labels(list.channels());
    int tvHeld = 0;
    for (int i = 0; i < list.count(); ++i) {
        tvHeld += list.tvChannels().contains(list.at(i));
        if ((i < list.tvCount()) != list.tvChannels().contains(list.at(i)) || list.indexOf(list.at(i)) != i)
            text += QStringLiteral("!");
    }
    return tvHeld == list.tvCount() ? text : text + QStringLiteral("!");
}

// Two satellites with two transponders each, two providers, six channels
// (the last two radio) spread over them, and two favourite groups. Objects
// are labelled S0, T0, P0, C0, G0... by their objectName.
struct Fixture
{
    explicit Fixture(StoreRules rules = TestSettings::receiverRules())
        : settings(rules)
    {
        for (int i = 0; i < 2; ++i) {
            settings.addSatellite(make(satellites, "S"));
            settings.addProvider(make(providers, "P"));
        }
        for (int i = 0; i < 4; ++i) {
            make(transponders, "T")->setSatellite(satellites.at(i / 2));
            settings.addTransponder(transponders.last());
        }
        for (int i = 0; i < 6; ++i) {
            Channel *channel = make(channels, "C");
            channel->setServiceType(i >= 4 ? 1 : 0);
            channel->setTransponder(transponders.at(i % 4));
            channel->setProvider(providers.at(i % 2));
            settings.addChannel(nullptr, channel);
        }
        for (int i = 0; i < 2; ++i)
            settings.addFavoriteGroup(make(groups, "G"));
        settings.addChannel(groups.at(0), channels.at(0));
        settings.addChannel(groups.at(0), channels.at(4));
        settings.addChannel(groups.at(1), channels.at(1));
        settings.emitPendingUpdates();
        log.take();
    }

    template<typename T> T *make(QList<T *> &list, const char *prefix)
    {
        list.append(new T);
        list.last()->setObjectName(QLatin1String(prefix) + QString::number(list.size() - 1));
        byLabel.insert(list.last()->objectName(), list.last());
        return list.last();
    }

    // Every list of the store, the groups' lists last.
    QString state()
    {
        QStringList parts { labels(settings.satellites()), labels(settings.transponders()),
            labels(settings.providers()), listText(settings.mainChannelList()) };
        for (FavoriteGroup *group : settings.favoriteGroups())
            parts.append(listText(*settings.channelListFor(group)));
        return parts.join(QStringLiteral(" / "));
    }

    TestSettings settings;
    SignalLog log { &settings };
    QList<Satellite *> satellites;
    QList<Transponder *> transponders;
    QList<Provider *> providers;
    QList<Channel *> channels;
    QList<FavoriteGroup *> groups;
    QHash<QString, Editable *> byLabel;
};

const QString Unchanged = QStringLiteral("S0 S1 / T0 T1 T2 T3 / P0 P1 / C0 C1 C2 C3 C4 C5 / C0 C4 / C1");

} // namespace

using Batch = std::function<void(Fixture &)>;
Q_DECLARE_METATYPE(Batch)

class TestSettingsStore : public QObject
{
    Q_OBJECT

private slots:
    void batchesSignalOnceInOrder_data()
    {
        QTest::addColumn<Batch>("batch");
        QTest::addColumn<QString>("announced");
        QTest::addColumn<QString>("state");
        auto row = [](const char *name, const char *announced, const char *state, const Batch &batch) {
            QTest::addRow("%s", name) << batch << QString::fromLatin1(announced)
                                      << (state ? QString::fromLatin1(state) : Unchanged);
        };

        row("additions go out at once, even suspended", "satellites transponders providers channels groups |",
            "S0 S1 S2 / T0 T1 T2 T3 T4 / P0 P1 P2 / C0 C1 C2 C3 C6 C4 C5 / C0 C4 / C1 / ", [](Fixture &f) {
                f.settings.setUpdatesSuspended(true);
                f.settings.addSatellite(f.make(f.satellites, "S"));
                f.settings.addTransponder(f.make(f.transponders, "T"));
                f.settings.addProvider(f.make(f.providers, "P"));
                f.settings.addChannel(nullptr, f.make(f.channels, "C"));
                f.settings.addFavoriteGroup(f.make(f.groups, "G"));
                f.log.note(QStringLiteral("|"));
                f.settings.emitPendingUpdates();
                f.settings.setUpdatesSuspended(false);
            });
        row("a rename", "editable:G0", nullptr,
            [](Fixture &f) { f.groups.at(0)->setName(QStringLiteral("Sport")); });
        // The groups keep their order; only the main list follows the type.
        row("a type change", "editable:C0 channels",
            "S0 S1 / T0 T1 T2 T3 / P0 P1 / C1 C2 C3 C0 C4 C5 / C0 C4 / C1",
            [](Fixture &f) { f.channels.at(0)->setServiceType(1); });
        row("a type change, suspended", "editable:C0 | channels",
            "S0 S1 / T0 T1 T2 T3 / P0 P1 / C1 C2 C3 C0 C4 C5 / C0 C4 / C1", [](Fixture &f) {
                f.settings.setUpdatesSuspended(true);
                f.channels.at(0)->setServiceType(1);
                f.log.note(QStringLiteral("|"));
                f.settings.emitPendingUpdates();
                f.settings.setUpdatesSuspended(false);
            });
        // The list signal comes once, after the transponder itself is gone.
        row("a transponder with three channels", "transponders channels T0-gone",
            "S0 S1 / T1 T2 T3 / P0 P1 / C3 C4 C5 / C4 / ", [](Fixture &f) {
                f.channels.at(4)->setTransponder(f.transponders.at(1));
                f.channels.at(1)->setTransponder(f.transponders.at(0));
                f.channels.at(2)->setTransponder(f.transponders.at(0));
                f.log.take();
                QPointer<Transponder> doomed = f.transponders.at(0);
                QObject::connect(&f.settings, &Settings::updatedChannelList, &f.log, [&f, doomed] {
                    f.log.note(doomed ? QStringLiteral("T0-alive") : QStringLiteral("T0-gone"));
                });
                f.settings.removeTransponders({ f.transponders.at(0) });
            });
        row("a provider", "providers channels", "S0 S1 / T0 T1 T2 T3 / P1 / C1 C3 C5 /  / C1",
            [](Fixture &f) { f.settings.removeProviders({ f.providers.at(0) }); });
        row("a satellite", "transponders channels satellites",
            "S0 / T0 T1 / P0 P1 / C0 C1 C4 C5 / C0 C4 / C1",
            [](Fixture &f) { f.settings.removeSatellites({ f.satellites.at(1) }); });
        // Only the lists that changed: no satellite went.
        row("a mixed selection", "transponders providers channels", "S0 S1 / T0 T2 T3 / P1 / C3 /  / ",
            [](Fixture &f) {
                f.settings.removeEditables(
                    { f.channels.at(5), f.providers.at(0), f.transponders.at(1), f.channels.at(4) });
            });
        row("nothing removable", "", nullptr, [](Fixture &f) {
            f.settings.removeEditables(
                { f.groups.at(0), f.settings.satellitesRoot(), f.settings.favoritesRoot() });
        });
        // The satellite takes its transponders and their channels; the later
        // steps must not delete them a second time (ASan would tell).
        row("objects a cascade already deleted", "satellites transponders channels",
            "S1 / T2 T3 / P0 P1 / C2 C3 /  / ", [](Fixture &f) {
                f.settings.removeEditables({ f.channels.at(0), f.transponders.at(0), f.satellites.at(0),
                    f.satellites.at(0), f.channels.at(4), f.channels.at(0) });
            });
        // A group's list keeps its own TV block when a member changes type.
        row("a type change in a group", "channels | editable:C5 channels",
            "S0 S1 / T0 T1 T2 T3 / P0 P1 / C0 C1 C2 C3 C5 C4 / C0 C5 C4 / C1", [](Fixture &f) {
                f.settings.addChannel(f.groups.at(0), f.channels.at(5));
                f.log.note(QStringLiteral("|"));
                f.channels.at(5)->setServiceType(0);
            });
        // A channel that only a group holds goes with its provider or
        // transponder, like every other channel of them.
        row("group-only channels of a deleted provider and transponder",
            "providers channels transponders channels", "S0 S1 / T1 T2 T3 / P1 / C1 C3 C5 /  / C1",
            [](Fixture &f) {
                QPointer<Channel> ofProvider = f.make(f.channels, "C");
                QPointer<Channel> ofTransponder = f.make(f.channels, "C");
                ofProvider->setProvider(f.providers.at(0));
                ofTransponder->setTransponder(f.transponders.at(0));
                f.settings.addChannel(f.groups.at(1), ofProvider);
                f.settings.addChannel(f.groups.at(0), ofTransponder);
                f.log.take();
                f.settings.removeProviders({ f.providers.at(0) });
                f.settings.removeTransponders({ f.transponders.at(0) });
                QVERIFY(!ofProvider && !ofTransponder);
            });
        // A group is no licence to delete what it never held: a channel of
        // the main list, or one a caller made and added nowhere.
        row("channels a group never held", "", nullptr, [](Fixture &f) {
            auto loose = std::make_unique<Channel>();
            QPointer<Channel> inMainList = f.channels.at(2);
            f.settings.removeChannels(f.groups.at(0), { f.channels.at(2), loose.get() });
            f.settings.removeChannels(nullptr, { loose.get() });
            QVERIFY(inMainList);
        });
        row("a channel out of a group", "channels",
            "S0 S1 / T0 T1 T2 T3 / P0 P1 / C0 C1 C2 C3 C4 C5 / C4 / C1",
            [](Fixture &f) { f.settings.removeChannels(f.groups.at(0), { f.channels.at(0) }); });
        row("a channel out of the main list", "channels",
            "S0 S1 / T0 T1 T2 T3 / P0 P1 / C0 C2 C3 C4 C5 / C0 C4 / ",
            [](Fixture &f) { f.settings.removeChannels(nullptr, { f.channels.at(1) }); });
        row("channels dropped on a transponder", "editable:C0 editable:C1", nullptr, [](Fixture &f) {
            f.settings.dropEditables({ f.channels.at(0), f.channels.at(1) }, f.transponders.at(3), nullptr);
            QCOMPARE(f.channels.at(1)->transponder(), f.transponders.at(3));
        });
        // Each dropped channel takes the target's place, pushing it down.
        row("channels dropped on a channel", "channels",
            "S0 S1 / T0 T1 T2 T3 / P0 P1 / C3 C2 C0 C1 C5 C4 / C0 C4 / C1", [](Fixture &f) {
                f.settings.dropEditables(
                    { f.channels.at(3), f.channels.at(2), f.channels.at(5) }, f.channels.at(0), nullptr);
            });
        row("channels dropped on a group, twice", "channels |",
            "S0 S1 / T0 T1 T2 T3 / P0 P1 / C0 C1 C2 C3 C4 C5 / C0 C1 C4 C5 / C1", [](Fixture &f) {
                f.settings.dropEditables({ f.channels.at(5), f.channels.at(1) }, f.groups.at(0), nullptr);
                f.log.note(QStringLiteral("|"));
                f.settings.dropEditables({ f.channels.at(5), f.channels.at(0) }, f.groups.at(0), nullptr);
            });
        // With feature 1 the transponders keep the file's order.
        row("a transponder dropped on a satellite, then on a transponder", "editable:T0 transponders |",
            nullptr, [](Fixture &f) {
                f.settings.dropEditable(f.transponders.at(0), f.satellites.at(1), nullptr);
                QCOMPARE(f.transponders.at(0)->satellite(), f.satellites.at(1));
                f.log.note(QStringLiteral("|"));
                f.settings.dropEditable(f.transponders.at(3), f.transponders.at(0), nullptr);
            });
    }

    void batchesSignalOnceInOrder()
    {
        QFETCH(Batch, batch);
        QFETCH(QString, announced);
        QFETCH(QString, state);
        Fixture f;
        batch(f);
        QCOMPARE(f.log.take(), announced);
        QCOMPARE(f.state(), state);
        QVERIFY(!f.settings.updatesSuspended());
    }

    void lookups()
    {
        Fixture f;
        Settings &s = f.settings;
        Channel channel;
        FavoriteGroup group;
        QVERIFY(s.contains(f.groups.at(1)) && s.contains(f.channels.at(5)) && s.contains(s.providersRoot()));
        QVERIFY(!s.contains(&channel) && !s.contains(s.favoritesRoot()));
        QCOMPARE(labels(s.transpondersOf(f.satellites.at(1))), QStringLiteral("T2 T3"));
        QCOMPARE(s.channelsOf(s.satellitesRoot()), s.channels());
        QVERIFY(s.channelsOf(s.providersRoot()).isEmpty() && s.channelsOf(s.favoritesRoot()).isEmpty());
        QCOMPARE(labels(s.channelsOf(f.satellites.at(0))), QStringLiteral("C0 C1 C4 C5"));
        QCOMPARE(labels(s.channelsOf(f.transponders.at(1))), QStringLiteral("C1 C5"));
        QCOMPARE(labels(s.channelsOf(f.providers.at(0))), QStringLiteral("C0 C2 C4"));
        QCOMPARE(labels(s.channelsOf(f.groups.at(0))), QStringLiteral("C0 C4"));
        QVERIFY(s.channelsOf(&group).isEmpty() && !s.channelListFor(&group));
        QCOMPARE(s.channelListFor(f.channels.at(0)), &s.mainChannelList());
        QVERIFY(s.channelListFor(f.groups.at(1))->tvFirst());
    }

    void canDropByTypes_data()
    {
        QTest::addColumn<QString>("dragged");
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("allowed");
        auto row = [](const char *pair, bool allowed) {
            const QStringList labels = QString::fromLatin1(pair).split(QLatin1Char(' '));
            QTest::addRow("%s", pair) << labels.at(0) << labels.at(1) << allowed;
        };
        // A channel, a transponder, a satellite, a provider, a group onto each other.
        for (const char *pair : { "C0 C2", "C0 G1", "C0 P1", "C0 T3", "T0 S1" })
            row(pair, true);
        for (const char *pair : { "C0 S1", "T0 T1", "T0 P0", "S0 S1", "P0 C0", "G0 G1" })
            row(pair, false);
    }

    void canDropByTypes()
    {
        QFETCH(QString, dragged);
        QFETCH(QString, target);
        QFETCH(bool, allowed);
        Fixture f;
        Editable *object = f.byLabel.value(dragged);
        Editable *onto = f.byLabel.value(target);
        QCOMPARE(f.settings.canDropEditable(object, onto), allowed);
        // Several objects only ever as channels.
        QCOMPARE(f.settings.canDropEditables({ object, f.channels.at(1) }, onto),
            allowed && qobject_cast<Channel *>(object));
        QVERIFY(f.settings.canDropEditables({}, onto));
    }

    void transponderReorderWhereTranspondersAreUnsorted()
    {
        StoreRules unsorted = TestSettings::receiverRules();
        unsorted.sortedTransponders = false;
        Fixture f(unsorted);
        QVERIFY(f.settings.canDropEditable(f.transponders.at(2), f.transponders.at(0)));
        f.settings.dropEditable(f.transponders.at(2), f.transponders.at(0), nullptr);
        QCOMPARE(f.log.take(), QStringLiteral("transponders"));
        QCOMPARE(labels(f.settings.transponders()), QStringLiteral("T2 T0 T1 T3"));
    }

    void destructionIsSilentAndComplete()
    {
        auto f = std::make_unique<Fixture>();
        auto *groupOnly = new Channel;
        f->settings.addChannel(f->groups.at(1), groupOnly);
        QList<QPointer<Editable>> everything { groupOnly };
        for (Editable *e : f->byLabel)
            everything.append(e);
        SignalLog log(&f->settings);
        f.reset();
        QCOMPARE(log.take(), QString());
        for (const QPointer<Editable> &e : everything)
            QVERIFY(e.isNull());
    }
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settings.moc"
