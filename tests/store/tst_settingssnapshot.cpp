#include "demosettingsbuilder.h"
#include "kelmoratestimage.h"
#include "randomeditor.h"
#include "settingssnapshot.h"

#include <QSignalSpy>
#include <QTest>

Q_DECLARE_METATYPE(DemoSettingsBuilder::Model)

// A snapshot brings back exactly the store it was taken of: the same file
// bytes, ids and remembered names, whatever happened in between.
class TestSettingsSnapshot : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase_data()
    {
        QTest::addColumn<DemoSettingsBuilder::Model>("model");
        QTest::addRow("2XX") << DemoSettingsBuilder::Model::Kelmora2XX;
        QTest::addRow("HD") << DemoSettingsBuilder::Model::KelmoraHD;
    }

    void restoresEveryEarlierStateBackAndForth_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed : { 11u, 12u, 13u })
            QTest::addRow("seed %u", seed) << seed;
    }

    void restoresEveryEarlierStateBackAndForth()
    {
        QFETCH_GLOBAL(DemoSettingsBuilder::Model, model);
        QFETCH(quint32, seed);
        auto settings = loadBytes(DemoSettingsBuilder::demoFile(model));
        QVERIFY(settings);
        RandomEditor editor { settings.get(), QRandomGenerator(seed) };
        QList<SettingsSnapshot> snapshots;
        QList<QByteArray> saves;
        for (int step = 0; step <= 120; ++step) {
            if (step > 0)
                editor.step();
            snapshots.append(SettingsSnapshot::capture(*settings));
            saves.append(saveBytes(settings.get()));
            QVERIFY2(!saves.last().isEmpty(), qPrintable(settings->errorString()));
        }

        QSignalSpy edits(settings.get(), &Settings::updatedEditable);
        QList<QSignalSpy *> lists;
        for (auto signal : { &Settings::updatedSatelliteList, &Settings::updatedTransponderList,
                 &Settings::updatedProviderList, &Settings::updatedChannelList,
                 &Settings::updatedFavoriteGroupList })
            lists.append(new QSignalSpy(settings.get(), signal));
        auto checkRestore = [&](int i) {
            QVERIFY(snapshots.at(i).restore(*settings));
            // Ids and remembered names came back too, not only what a save shows.
            QCOMPARE(SettingsSnapshot::capture(*settings), snapshots.at(i));
            for (const Satellite *satellite : settings->satellites())
                QCOMPARE(settings->editableById(satellite->id()), satellite);
            QCOMPARE(saveBytes(settings.get()), saves.at(i));
        };
        for (int i = int(snapshots.size()) - 1; i >= 0; --i) {
            checkRestore(i);
            if (i == int(snapshots.size()) - 1) {
                // One announcement of each list, none per object.
                QCOMPARE(edits.count(), 0);
                for (QSignalSpy *spy : std::as_const(lists))
                    QCOMPARE(spy->count(), 1);
            }
        }
        for (int i = 1; i < snapshots.size(); ++i)
            checkRestore(i);
        qDeleteAll(lists);

        // A detached store, as a recovery copy builds it: the first image
        // with the last snapshot restored onto it.
        auto detached = recognizeSettingsImage(saves.first());
        QVERIFY(detached && snapshots.last().restore(*detached));
        QCOMPARE(saveBytes(detached.get()), saves.last());
    }

    void damagedBytesAreRefusedAndChangeNothing()
    {
        QFETCH_GLOBAL(DemoSettingsBuilder::Model, model);
        auto settings = loadBytes(DemoSettingsBuilder::demoFile(model));
        QVERIFY(settings);
        const SettingsSnapshot before = SettingsSnapshot::capture(*settings);
        const QByteArray bytes = before.toBytes();
        QRandomGenerator random(5);
        for (int i = 0; i < 200; ++i) {
            QByteArray damaged = bytes;
            if (i % 2)
                damaged.truncate(random.bounded(int(bytes.size())));
            else
                damaged[random.bounded(int(bytes.size()))] ^= char(1 + random.bounded(255));
            const std::optional<SettingsSnapshot> snapshot = SettingsSnapshot::fromBytes(damaged);
            // A flipped byte may still describe some store; it must not
            // take the store apart half way.
            if (snapshot && !snapshot->restore(*settings))
                QCOMPARE(SettingsSnapshot::capture(*settings), before);
            QVERIFY(before.restore(*settings));
        }
        QVERIFY(!SettingsSnapshot::fromBytes(QByteArray("XY")));
    }
};

QTEST_GUILESS_MAIN(TestSettingsSnapshot)
#include "tst_settingssnapshot.moc"
