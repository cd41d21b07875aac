#include "check/duplicateservices.h"
#include "check/settingschecker.h"
#include "demosettingsbuilder.h"
#include "model/channel.h"
#include "model/favoritegroup.h"
#include "model/provider.h"
#include "model/rooteditable.h"
#include "model/satellite.h"
#include "model/transponder.h"
#include "storebuilder.h"
#include "testsettings.h"

#include <QTest>

#include <functional>
#include <memory>

namespace {

// A small store with nothing to report: one satellite with two transponders,
// one provider, one channel on each transponder. Objects carry their labels
// as object names, so the expected problems can name them.
struct Fixture
{
    Fixture()
    {
        satellite = addSatellite(QStringLiteral("S1"));
        provider = new Provider;
        provider->setObjectName(QStringLiteral("P1"));
        provider->setName(QStringLiteral("Provider"));
        settings.addProvider(provider);
        t1 = addTransponder(QStringLiteral("T1"), satellite, 11000, 0, 1, 100);
        // Identifiers still unknown, as on a transponder typed in by hand.
        t2 = addTransponder(QStringLiteral("T2"), satellite, 12000, 1, 65535, 65535);
        c1 = addChannel(QStringLiteral("C1"), t1, 10);
        c2 = addChannel(QStringLiteral("C2"), t2, 20);
        auto *group = new FavoriteGroup;
        group->setObjectName(QStringLiteral("G1"));
        settings.addFavoriteGroup(group);
        settings.addChannel(group, c1);
        settings.addChannel(group, c2);
    }

    Satellite *addSatellite(const QString &label)
    {
        auto *added = new Satellite;
        added->setObjectName(label);
        added->setName(label);
        settings.addSatellite(added);
        return added;
    }

    Transponder *addTransponder(const QString &label, Satellite *on, quint16 frequency, int polarization,
        quint16 originalNetworkId, quint16 transportStreamId)
    {
        auto *added = new Transponder;
        added->setObjectName(label);
        added->setSatellite(on);
        added->setFrequency(frequency);
        added->setPolarization(polarization);
        added->setOriginalNetworkId(originalNetworkId);
        added->setTransportStreamId(transportStreamId);
        settings.addTransponder(added);
        return added;
    }

    Channel *addChannel(const QString &label, Transponder *on, quint16 serviceId, int serviceType = 0)
    {
        auto *added = new Channel;
        added->setObjectName(label);
        added->setName(label);
        added->setTransponder(on);
        added->setProvider(provider);
        added->setServiceId(serviceId);
        added->setServiceType(serviceType);
        settings.addChannel(nullptr, added);
        return added;
    }

    void setRoom(int satellites, int transponders, int providers, int channels, int groups, int perGroup)
    {
        SettingsCapacity room;
        room.satellites = satellites;
        room.transponders = transponders;
        room.providers = providers;
        room.channels = channels;
        room.favoriteGroups = groups;
        room.channelsPerGroup = perGroup;
        settings.setCapacity(room);
    }

    TestSettings settings;
    Satellite *satellite;
    Provider *provider;
    Transponder *t1;
    Transponder *t2;
    Channel *c1;
    Channel *c2;
};

// "severity kind object" per problem, sorted, so the rows need not know the
// order in which the checker walks the tables.
QStringList summary(const QList<FileProblem> &problems)
{
    QStringList lines;
    for (const FileProblem &problem : problems)
        lines.append(FileProblem::severityName(problem.severity) + QLatin1Char(' ')
            + FileProblem::kindName(problem.kind) + QLatin1Char(' ')
            + (problem.object ? problem.object->objectName() : QStringLiteral("-")));
    lines.sort();
    return lines;
}

std::unique_ptr<Settings> filledStore(const std::function<void(Settings *)> &fill)
{
    auto settings = DemoSettingsBuilder::createBlank(DemoSettingsBuilder::Model::KelmoraHD);
    if (settings)
        fill(settings.get());
    return settings;
}

} // namespace

using Spoil = std::function<void(Fixture &)>;
Q_DECLARE_METATYPE(Spoil)
using Fill = std::function<void(Settings *)>;
Q_DECLARE_METATYPE(Fill)

class TestSettingsChecker : public QObject
{
    Q_OBJECT

private slots:
    void findsEachProblemKind_data()
    {
        QTest::addColumn<Spoil>("spoil");
        QTest::addColumn<QStringList>("expected");
        auto row = [](const char *name, const char *expected, const Spoil &spoil) {
            QStringList lines = QString::fromLatin1(expected).split(QLatin1Char('|'), Qt::SkipEmptyParts);
            lines.sort();
            QTest::addRow("%s", name) << spoil << lines;
        };
        row("clean", "", [](Fixture &) {});

        row("channel without transponder",
            "Error Channel without transponder C2|Note Transponder without channels T2",
            [](Fixture &f) { f.c2->setTransponder(nullptr); });
        row("channel without provider", "Warning Channel without provider C2",
            [](Fixture &f) { f.c2->setProvider(nullptr); });
        row("transponder without satellite", "Error Transponder without satellite T2",
            [](Fixture &f) { f.t2->setSatellite(nullptr); });
        row("references to objects outside the store",
            "Error Channel without transponder C2|Warning Channel without provider C2|"
            "Note Transponder without channels T2",
            [](Fixture &f) {
                static Transponder strayTransponder;
                static Provider strayProvider;
                f.c2->setTransponder(&strayTransponder);
                f.c2->setProvider(&strayProvider);
            });

        // The largest value the dialogs accept passes, one more does not.
        row("values at their limits", "", [](Fixture &f) {
            f.c1->setVideoPid(8191);
            f.c1->setPmtPid(8191);
            f.t1->setFrequency(13000);
            f.t1->setSymbolRate(60000);
            f.satellite->setPosition(9999);
            f.satellite->setHighLof(20000);
            f.satellite->setDiseqc12Position(60);
        });
        row("PIDs above 8191",
            "Error PID out of range C1|Error PID out of range C1|Error PID out of range C2", [](Fixture &f) {
                f.c1->setVideoPid(8192);
                f.c1->setAudioPid(65535);
                f.c2->setPmtPid(8192);
            });
        row("values above the dialogs' limits",
            "Warning Value out of range T1|Warning Value out of range T2|Warning Value out of range S1|"
            "Warning Value out of range S1",
            [](Fixture &f) {
                f.t1->setFrequency(13001);
                f.t2->setSymbolRate(60001);
                f.satellite->setLowLof(20001);
                f.satellite->setDiseqc12Position(61);
            });
        row("service id 0", "Warning Service id 0 C1", [](Fixture &f) { f.c1->setServiceId(0); });
        row("empty and blank channel names", "Warning Empty channel name C1|Warning Empty channel name C2",
            [](Fixture &f) {
                f.c1->setName(QString());
                f.c2->setName(QStringLiteral("  "));
            });

        row("unused objects are notes",
            "Note Satellite without transponders S2|Note Transponder without channels T3|"
            "Note Provider without channels P2",
            [](Fixture &f) {
                f.addSatellite(QStringLiteral("S2"));
                f.addTransponder(QStringLiteral("T3"), f.satellite, 12500, 0, 1, 300);
                auto *provider = new Provider;
                provider->setObjectName(QStringLiteral("P2"));
                f.settings.addProvider(provider);
            });

        // Full is fine; one over is what a save refuses.
        row("tables exactly full", "", [](Fixture &f) { f.setRoom(1, 2, 1, 2, 1, 2); });
        row("tables over capacity",
            "Error Over capacity Satellites|Error Over capacity Providers|Error Over capacity -|"
            "Error Over capacity Favorites|Error Over capacity G1",
            [](Fixture &f) {
                f.settings.satellitesRoot()->setObjectName(QStringLiteral("Satellites"));
                f.settings.providersRoot()->setObjectName(QStringLiteral("Providers"));
                f.settings.favoritesRoot()->setObjectName(QStringLiteral("Favorites"));
                f.setRoom(1, 1, 0, 1, 0, 1);
            });
    }

    void findsEachProblemKind()
    {
        QFETCH(Spoil, spoil);
        QFETCH(QStringList, expected);
        Fixture fixture;
        spoil(fixture);
        QCOMPARE(summary(SettingsChecker::check(fixture.settings)), expected);
    }

    // A third channel C3 on a new transponder T3, measured against C1 (SID 10
    // on T1: 11000 H, ids 1/100) and C2 (SID 20 on T2: 12000 V, ids unknown).
    void findsTheSameServiceTwice_data()
    {
        QTest::addColumn<bool>("otherSatellite");
        QTest::addColumn<int>("frequency");
        QTest::addColumn<int>("polarization");
        QTest::addColumn<int>("originalNetworkId");
        QTest::addColumn<int>("transportStreamId");
        QTest::addColumn<int>("serviceId");
        QTest::addColumn<bool>("duplicate");
        QTest::addRow("same ids, other frequency") << false << 12500 << 0 << 1 << 100 << 10 << true;
        QTest::addRow("same tuning, other ids") << false << 11000 << 0 << 7 << 700 << 10 << true;
        QTest::addRow("vertical under another code") << false << 12000 << 2 << 7 << 700 << 20 << true;
        QTest::addRow("same ids on another satellite") << true << 11000 << 0 << 1 << 100 << 10 << false;
        QTest::addRow("unknown ids on both") << false << 12500 << 0 << 65535 << 65535 << 20 << false;
        QTest::addRow("other service id") << false << 11000 << 0 << 1 << 100 << 11 << false;
        QTest::addRow("other polarization") << false << 11000 << 1 << 7 << 700 << 10 << false;
    }

    void findsTheSameServiceTwice()
    {
        QFETCH(bool, otherSatellite);
        QFETCH(int, frequency);
        QFETCH(int, polarization);
        QFETCH(int, originalNetworkId);
        QFETCH(int, transportStreamId);
        QFETCH(int, serviceId);
        QFETCH(bool, duplicate);
        Fixture f;
        Satellite *satellite = otherSatellite ? f.addSatellite(QStringLiteral("S2")) : f.satellite;
        f.addChannel(QStringLiteral("C3"),
            f.addTransponder(QStringLiteral("T3"), satellite, quint16(frequency), polarization,
                quint16(originalNetworkId), quint16(transportStreamId)),
            quint16(serviceId));
        const QList<FileProblem> problems = SettingsChecker::check(f.settings);
        QCOMPARE(summary(problems),
            duplicate ? QStringList(QStringLiteral("Warning Duplicate service C3")) : QStringList());
        if (duplicate)
            QVERIFY2(problems.first().explanation.contains(serviceId == 10 ? u"\"C1\"" : u"\"C2\""),
                qPrintable(problems.first().explanation));
    }

    // Select duplicates keeps the first of each set in main-list order, and a
    // chain of matches (by ids, then by tuning) forms one set.
    void extrasAreAllButTheFirstInListOrder()
    {
        Fixture f;
        Transponder *sameIds = f.addTransponder(QStringLiteral("T3"), f.satellite, 12500, 0, 1, 100);
        Transponder *sameTuningAsT3 = f.addTransponder(QStringLiteral("T4"), f.satellite, 12500, 0, 9, 900);
        // Radio goes behind every TV channel, whatever the order of adding.
        f.addChannel(QStringLiteral("R1"), f.t1, 10, 1);
        f.addChannel(QStringLiteral("C3"), sameIds, 10);
        f.addChannel(QStringLiteral("C4"), sameTuningAsT3, 10);
        f.addChannel(QStringLiteral("C5"), f.t2, 20);
        QCOMPARE(labels(DuplicateServices::extras(f.settings)), QStringLiteral("C3 C4 C5 R1"));
        QStringList pairs;
        for (const DuplicateServices::Duplicate &duplicate : DuplicateServices::find(f.settings))
            pairs.append(duplicate.extra->objectName() + QLatin1Char('>') + duplicate.first->objectName());
        QCOMPARE(pairs.join(QLatin1Char(' ')), QStringLiteral("C3>C1 C4>C1 C5>C2 R1>C1"));
    }

    // The over-capacity explanation gives the count and the limit.
    void capacityExplanationNamesTheLimit()
    {
        Fixture f;
        f.setRoom(9, 9, 9, 1, 9, 9);
        const QList<FileProblem> problems = SettingsChecker::check(f.settings);
        QCOMPARE(problems.size(), 1);
        QVERIFY2(problems.first().explanation.contains(u"2 channels")
                && problems.first().explanation.contains(u"room for 1"),
            qPrintable(problems.first().explanation));
    }

    // Names from a reference list or the command line, not typed into a
    // dialog: those a save would cut are named with their cut form.
    void warnsOfNamesTheSaveWillShorten()
    {
        auto settings = filledStore([](Settings *s) {
            s->addSatellite(new Satellite);
            s->satellites().at(0)->setName(QString::fromUtf8("Телерадиокомпани"));
            s->addChannel(nullptr, new Channel);
            s->channels().at(0)->setName(QStringLiteral("Sixteen letters!"));
        });
        QStringList explanations;
        for (const FileProblem &problem : SettingsChecker::check(*settings))
            if (problem.kind == FileProblem::Kind::NameShortened)
                explanations.append(problem.explanation);
        QCOMPARE(
            explanations, QStringList { QString::fromUtf8("The name will be shortened to \"Телерад\".") });
    }

    // The demo file is what a user first sees: it must not cry wolf. Its
    // third Hot Bird transponder carries no demo channel, hence one note.
    void demoAndFullFilesHaveNoErrorsOrWarnings_data()
    {
        QTest::addColumn<Fill>("fill");
        QTest::addColumn<int>("notes");
        QTest::addRow("demo") << Fill(&DemoSettingsBuilder::fillDemo) << 1;
        QTest::addRow("every table full")
            << Fill([](Settings *s) { DemoSettingsBuilder::fillToFraction(s, 1.0); }) << 0;
    }

    void demoAndFullFilesHaveNoErrorsOrWarnings()
    {
        QFETCH(Fill, fill);
        QFETCH(int, notes);
        auto settings = filledStore(fill);
        QVERIFY(settings);
        const QList<FileProblem> problems = SettingsChecker::check(*settings);
        for (const FileProblem &problem : problems)
            if (problem.severity != FileProblem::Severity::Note)
                QFAIL(qPrintable(problem.explanation));
        QCOMPARE(problems.size(), notes);
    }
};

QTEST_GUILESS_MAIN(TestSettingsChecker)
#include "tst_settingschecker.moc"
