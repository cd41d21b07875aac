#include "commands/settingsoutline.h"
#include "demosettingsbuilder.h"
#include "kelmoratestimage.h"
#include "randomeditor.h"

#include <QTest>

Q_DECLARE_METATYPE(DemoSettingsBuilder::Model)

namespace {

quint64 idOf(const Editable *object)
{
    return object ? object->id() : 0;
}

template<typename T> QList<quint64> idsOf(const QList<T *> &objects)
{
    QList<quint64> ids;
    for (const T *object : objects)
        ids.append(object->id());
    return ids;
}

} // namespace

// An outline read from a snapshot's bytes says what the store holds, and
// gives every object the entry that its own record gives: the two outlines
// a step compares agree on every object the step did not change.
class TestSettingsOutline : public QObject
{
    Q_OBJECT

private slots:
    void readOutlineMatchesTheStoreAndTheRecords_data()
    {
        QTest::addColumn<DemoSettingsBuilder::Model>("model");
        QTest::addColumn<int>("edits");
        for (const auto &[name, model] : { std::pair { "2XX", DemoSettingsBuilder::Model::Kelmora2XX },
                 std::pair { "HD", DemoSettingsBuilder::Model::KelmoraHD } }) {
            QTest::addRow("%s as loaded", name) << model << 0;
            // Groups then hold channels the main list lacks, and names are of every kind.
            QTest::addRow("%s after random edits", name) << model << 300;
        }
    }

    void readOutlineMatchesTheStoreAndTheRecords()
    {
        QFETCH(DemoSettingsBuilder::Model, model);
        QFETCH(int, edits);
        auto settings = loadBytes(DemoSettingsBuilder::demoFile(model));
        QVERIFY(settings);
        RandomEditor editor { settings.get(), QRandomGenerator(9) };
        for (int i = 0; i < edits; ++i)
            editor.step();
        SettingsSnapshot::Records records;
        const SettingsSnapshot snapshot = SettingsSnapshot::capture(*settings, &records);
        const SettingsOutline outline = SettingsOutline::read(snapshot, records);

        const QList<FavoriteGroup *> groups = settings->favoriteGroups();
        QCOMPARE(outline.lists().size(), 4 + groups.size());
        QCOMPARE(outline.lists().value(-SatelliteType).ids, idsOf(settings->satellites()));
        QCOMPARE(outline.lists().value(-TransponderType).ids, idsOf(settings->transponders()));
        QCOMPARE(outline.lists().value(-ProviderType).ids, idsOf(settings->providers()));
        QCOMPARE(outline.lists().value(0).ids, idsOf(settings->channels()));
        for (FavoriteGroup *group : groups)
            QCOMPARE(outline.lists().value(qint64(group->id())).ids, idsOf(settings->channelsOf(group)));

        QList<Editable *> objects;
        auto add = [&objects](const auto &list) {
            std::copy(list.cbegin(), list.cend(), std::back_inserter(objects));
        };
        add(settings->satellites());
        add(settings->transponders());
        add(settings->providers());
        add(editor.allChannels());
        add(groups);
        QCOMPARE(outline.entries().size(), objects.size());
        SettingsOutline byRecord;
        for (const Editable *object : std::as_const(objects)) {
            const SettingsOutline::Entry read = outline.entries().value(object->id());
            QCOMPARE(read.type, object->typeCode());
            if (const auto *transponder = qobject_cast<const Transponder *>(object)) {
                QCOMPARE(read.owner, idOf(transponder->satellite()));
            } else if (const auto *channel = qobject_cast<const Channel *>(object)) {
                QCOMPARE(read.owner, idOf(channel->provider()));
                QCOMPARE(read.transponder, idOf(channel->transponder()));
            }
            byRecord.setEntry(object->id(), object->typeCode(),
                SettingsSnapshot::captureRecord(*settings, *object), *settings);
            const SettingsOutline::Entry entered = byRecord.entries().value(object->id());
            QCOMPARE(entered.name, read.name);
            QCOMPARE(entered.properties, read.properties);
            QCOMPARE(entered.owner, read.owner);
            QCOMPARE(entered.transponder, read.transponder);
        }
    }

    // Records of another content (a stale copy) must not be read as this one's.
    void recordsOfAnotherContentGiveNoOutline()
    {
        auto settings = loadBytes(DemoSettingsBuilder::demoFile(DemoSettingsBuilder::Model::KelmoraHD));
        QVERIFY(settings);
        const SettingsSnapshot before = SettingsSnapshot::capture(*settings);
        settings->satellites().first()->setName(QStringLiteral("A much longer name than before"));
        SettingsSnapshot::Records records;
        const SettingsSnapshot after = SettingsSnapshot::capture(*settings, &records);
        QVERIFY(!SettingsOutline::read(after, records).entries().isEmpty());
        QVERIFY(SettingsOutline::read(before, records).entries().isEmpty());
        QVERIFY(SettingsOutline::read(after, {}).entries().isEmpty());
        records.pop_back();
        QVERIFY(SettingsOutline::read(after, records).entries().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSettingsOutline)
#include "tst_settingsoutline.moc"
