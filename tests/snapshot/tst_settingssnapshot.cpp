#include "demosettingsbuilder.h"
#include "kelmoratestimage.h"
#include "randomeditor.h"
#include "snapshot/settingssnapshot.h"
#include "snapshot/snapshotrecords.h"

#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <memory>
#include <vector>

// Edits one object of the store and returns it.
using ObjectEdit = std::function<Editable *(Settings *)>;
Q_DECLARE_METATYPE(DemoSettingsBuilder::Model)
Q_DECLARE_METATYPE(ObjectEdit)

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
        for (quint32 seed : { 11u, 12u })
            QTest::addRow("seed %u", seed) << seed;
    }

    void restoresEveryEarlierStateBackAndForth()
    {
        QFETCH_GLOBAL(DemoSettingsBuilder::Model, model);
        QFETCH(quint32, seed);
        // Bytes no field covers, which deletions and saves must not lose.
        const TestModel &layout = model == DemoSettingsBuilder::Model::KelmoraHD ? modelHD : model2XX;
        TestImage image(layout);
        image.bytes = DemoSettingsBuilder::demoFile(model);
        for (int slot = 0; slot < wordIn(image.bytes, layout.satelliteCount); ++slot)
            image.setWord(layout.satellite(slot) + 34, 0xA500 + slot);
        for (int slot = 0; slot < wordIn(image.bytes, layout.transponderCount); ++slot)
            image.setWord(layout.transponder(slot) + 14, 0x5A00 + slot);
        auto settings = loadBytes(image.bytes);
        QVERIFY(settings);
        RandomEditor editor { settings.get(), QRandomGenerator(seed) };
        QList<SettingsSnapshot> snapshots;
        QList<QByteArray> saves;
        for (int step = 0; step <= 100; ++step) {
            if (step > 0)
                editor.step();
            snapshots.append(SettingsSnapshot::capture(*settings));
            saves.append(saveBytes(settings.get()));
            QVERIFY2(!saves.last().isEmpty(), qPrintable(settings->errorString()));
        }

        QSignalSpy edits(settings.get(), &Settings::updatedEditable);
        std::vector<std::unique_ptr<QSignalSpy>> lists;
        for (auto signal : { &Settings::updatedSatelliteList, &Settings::updatedTransponderList,
                 &Settings::updatedProviderList, &Settings::updatedChannelList,
                 &Settings::updatedFavoriteGroupList })
            lists.push_back(std::make_unique<QSignalSpy>(settings.get(), signal));
        auto checkRestore = [&](int i) {
            QVERIFY(snapshots.at(i).restore(*settings));
            // One announcement of each list, none per object.
            QCOMPARE(edits.count(), 0);
            for (const auto &spy : lists)
                QCOMPARE(spy->count(), 1);
            // Ids and remembered names came back too, not only what a save shows.
            QCOMPARE(SettingsSnapshot::capture(*settings), snapshots.at(i));
            for (const Satellite *satellite : settings->satellites())
                QCOMPARE(settings->editableById(satellite->id()), satellite);
            QCOMPARE(saveBytes(settings.get()), saves.at(i));
            // The save may announce its own moves and merges.
            edits.clear();
            for (const auto &spy : lists)
                spy->clear();
        };
        // The first fault is the one worth reading.
        for (int i = int(snapshots.size()) - 1; i >= 0 && !QTest::currentTestFailed(); --i)
            checkRestore(i);
        for (int i = 1; i < snapshots.size() && !QTest::currentTestFailed(); ++i)
            checkRestore(i);

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
        for (int i = 0; i < 100; ++i) {
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

    // Bytes that end in a favourite group holding the channel one past the
    // last are refused, not looked up.
    void groupMemberPastTheLastChannelIsRefused()
    {
        QFETCH_GLOBAL(DemoSettingsBuilder::Model, model);
        auto settings = loadBytes(DemoSettingsBuilder::demoFile(model));
        QVERIFY(settings);
        QSet<Channel *> channels(settings->channels().cbegin(), settings->channels().cend());
        for (FavoriteGroup *group : settings->favoriteGroups())
            for (Channel *channel : settings->channelsOf(group))
                channels.insert(channel);
        QVERIFY(!settings->channelsOf(settings->favoriteGroups().last()).isEmpty());
        const SettingsSnapshot before = SettingsSnapshot::capture(*settings);
        // The last member's number ends the bytes: a variable-length
        // integer whose bytes but its last have the high bit set.
        QByteArray bytes = before.toBytes();
        bytes.chop(1);
        while (quint8(bytes.back()) & 0x80)
            bytes.chop(1);
        quint64 pastTheLast = quint64(channels.size());
        for (; pastTheLast >= 0x80; pastTheLast >>= 7)
            bytes.append(char(quint8(pastTheLast) | 0x80));
        bytes.append(char(pastTheLast));
        const std::optional<SettingsSnapshot> damaged = SettingsSnapshot::fromBytes(bytes);
        QVERIFY(damaged);
        QVERIFY(!damaged->restore(*settings));
        QCOMPARE(SettingsSnapshot::capture(*settings), before);
    }

    // One object's record, taken before an edit and applied after it, gives
    // the earlier store back, remembered name bytes and references included;
    // a record refers by id, so it stays true when lists change.
    void oneObjectsRecordStandsForItsEdit_data()
    {
        QTest::addColumn<ObjectEdit>("edit");
        QTest::addRow("satellite") << ObjectEdit([](Settings *s) -> Editable * {
            Satellite *x = s->satellites().at(1);
            x->setName(QStringLiteral("Renamed"));
            x->setPosition(1234);
            return x;
        });
        QTest::addRow("transponder to another satellite") << ObjectEdit([](Settings *s) -> Editable * {
            Transponder *x = s->transponders().first();
            x->setSatellite(s->satellites().last());
            x->setFrequency(12345);
            return x;
        });
        QTest::addRow("provider") << ObjectEdit([](Settings *s) -> Editable * {
            s->providers().first()->setName(QStringLiteral("Ünïcode ☃"));
            return s->providers().first();
        });
        QTest::addRow("channel, all of it") << ObjectEdit([](Settings *s) -> Editable * {
            Channel *x = s->channels().at(2);
            x->setName(QStringLiteral("Renamed"));
            x->setProvider(s->providers().last());
            x->setTransponder(s->transponders().last());
            x->setAudioPid(4000);
            for (int flag : x->flags())
                x->setFlag(flag, false);
            x->setFlag(4, true);
            x->setFlag(-7, true);
            return x;
        });
        QTest::addRow("favourite group") << ObjectEdit([](Settings *s) -> Editable * {
            s->favoriteGroups().first()->setName(QStringLiteral("Mine"));
            return s->favoriteGroups().first();
        });
    }

    void oneObjectsRecordStandsForItsEdit()
    {
        QFETCH_GLOBAL(DemoSettingsBuilder::Model, model);
        QFETCH(ObjectEdit, edit);
        auto settings = loadBytes(DemoSettingsBuilder::demoFile(model));
        QVERIFY(settings);
        const SettingsSnapshot before = SettingsSnapshot::capture(*settings);
        QHash<quint64, QByteArray> records;
        QSet<quint64> ids;
        auto take = [&records, &ids](const auto &objects) {
            for (const Editable *object : objects) {
                records.insert(object->id(), SnapshotRecords::recordOf(*object));
                ids.insert(object->id());
            }
        };
        take(settings->satellites());
        take(settings->transponders());
        take(settings->providers());
        take(settings->channels());
        take(settings->favoriteGroups());
        Editable *object = edit(settings.get());
        QVERIFY(SnapshotRecords::recordOf(*object) != records.value(object->id()));
        QVERIFY(SnapshotRecords::applyRecord(
            *object, records.value(object->id()), settings->editablesByIds(ids)));
        QCOMPARE(SettingsSnapshot::capture(*settings), before);
        // A reference to an object it cannot find is refused.
        QVERIFY(!SnapshotRecords::applyRecord(
            *settings->channels().first(), records.value(settings->channels().first()->id()), {}));
    }
};

QTEST_GUILESS_MAIN(TestSettingsSnapshot)
#include "tst_settingssnapshot.moc"
