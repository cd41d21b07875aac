#include "compare/settingscomparison.h"
#include "demosettingsbuilder.h"
#include "kelmoratestimage.h"
#include "model/provider.h"
#include "storebuilder.h"

#include <QTest>

namespace {

// The channel differences, one "kind label:field,field" each.
QString channelSummary(const SettingsComparison &comparison)
{
    QStringList lines;
    for (const Difference &d : comparison.differences()) {
        if (d.type != ChannelType)
            continue;
        QStringList fields;
        for (const FieldChange &change : d.changes)
            fields.append(d.kind == Difference::Kind::Moved
                    ? change.field + u'=' + change.here + u'>' + change.there
                    : change.field);
        lines.append(Difference::kindKey(d.kind) + u' ' + d.label
            + (fields.isEmpty() ? QString() : u':' + fields.join(u',')));
    }
    return lines.join(QStringLiteral("; "));
}

DemoSettingsBuilder::Model modelOf(const QByteArray &name)
{
    return name == "HD" ? DemoSettingsBuilder::Model::KelmoraHD : DemoSettingsBuilder::Model::Kelmora2XX;
}

} // namespace

class TestSettingsComparison : public QObject
{
    Q_OBJECT

private slots:
    void channels_data()
    {
        QTest::addColumn<QByteArray>("here");
        QTest::addColumn<QByteArray>("there");
        QTest::addColumn<QString>("differences");
        QTest::addRow("same") << QByteArray("a|1-1-1,b|1-1-2") << QByteArray("a|1-1-1,b|1-1-2") << QString();
        QTest::addRow("only in one file") << QByteArray("a|1-1-1,b|1-1-2") << QByteArray("a|1-1-1,c|1-1-3")
                                          << QStringLiteral("removed b; added c");
        QTest::addRow("ids first: a renamed channel is changed, not replaced")
            << QByteArray("a|1-1-1,b|1-1-2") << QByteArray("b|1-1-1,x|1-1-2")
            << QStringLiteral("changed a:name; changed b:name");
        QTest::addRow("then names: new ids after a scan") << QByteArray(
            "a|1-1-1") << QByteArray("A |2-7-9") << QStringLiteral("changed a:name,service-id,onid,tsid");
        QTest::addRow("TV to radio") << QByteArray("a|1-1-1") << QByteArray("a|1-1-1|r")
                                     << QStringLiteral("changed a:service-type");
        QTest::addRow("one channel moved is one move")
            << QByteArray("a|1-1-1,b|1-1-2,c|1-1-3,d|1-1-4") << QByteArray("b|1-1-2,c|1-1-3,d|1-1-4,a|1-1-1")
            << QStringLiteral("moved a:position=1>4");
        QTest::addRow("an insertion moves nothing")
            << QByteArray("a|1-1-1,b|1-1-2") << QByteArray("n|1-1-9,a|1-1-1,b|1-1-2")
            << QStringLiteral("added n");
    }
    void channels()
    {
        QFETCH(QByteArray, here);
        QFETCH(QByteArray, there);
        StoreBuilder a(here);
        StoreBuilder b(there);
        const SettingsComparison comparison(a.settings, b.settings);
        QTEST(channelSummary(comparison), "differences");
        QCOMPARE(comparison.isEmpty(), channelSummary(comparison).isEmpty());
    }

    void groups()
    {
        StoreBuilder a("a|1-1-1,b|1-1-2,c|1-1-3");
        StoreBuilder b("a|1-1-1,b|1-1-2,c|1-1-3");
        a.addGroup("Fav", "c0 c1");
        b.addGroup("Fav", "c1 c0 c2");
        QCOMPARE(channelSummary(SettingsComparison(a.settings, b.settings)),
            QStringLiteral("moved b:group:Fav=2>1; moved c:group:Fav=->3"));
    }

    // A file saved with edits and read back against the original, for both
    // models: every kind of object, and the counts the dock shows.
    void savedFiles_data()
    {
        QTest::addColumn<QByteArray>("model");
        QTest::addRow("2XX") << QByteArray("2XX");
        QTest::addRow("HD") << QByteArray("HD");
    }
    void savedFiles()
    {
        QFETCH(QByteArray, model);
        const QByteArray original = DemoSettingsBuilder::demoFile(modelOf(model));
        const std::unique_ptr<Settings> here = loadBytes(original);
        std::unique_ptr<Settings> edited = loadBytes(original);
        QVERIFY(here && edited);
        QVERIFY(edited->channels().size() > 3);
        edited->channels().at(0)->setVideoPid(4242);
        edited->satellites().at(0)->setLowLof(9999);
        edited->transponders().last()->setSymbolRate(1234);
        edited->providers().at(0)->setName(QStringLiteral("Renamed"));
        edited->removeChannels(nullptr, { edited->channels().at(1) });
        const std::unique_ptr<Settings> there = loadBytes(saveBytes(edited.get()));
        QVERIFY(there);

        const SettingsComparison comparison(*here, *there);
        QStringList kinds;
        for (const Difference &d : comparison.differences())
            kinds.append(Difference::kindKey(d.kind) + u' ' + Editable::typeKey(d.type) + u' '
                + (d.changes.isEmpty() ? QString() : d.changes.constFirst().field));
        // The renamed provider's channels also show the new provider name.
        QVERIFY2(kinds.contains(QStringLiteral("changed satellite low-lof")), qPrintable(kinds.join(u'|')));
        QVERIFY(kinds.contains(QStringLiteral("changed transponder symbol-rate")));
        QVERIFY(kinds.contains(QStringLiteral("removed provider ")));
        QVERIFY(kinds.contains(QStringLiteral("added provider ")));
        QVERIFY(kinds.contains(QStringLiteral("changed channel video-pid")));
        QCOMPARE(comparison.count(Difference::Kind::OnlyHere), 2); // the channel and the provider
        QCOMPARE(comparison.count(Difference::Kind::Moved), 0);
        QVERIFY(SettingsComparison(*here, *loadBytes(original)).isEmpty());
    }

    // The same demo content in both models: the 2XX has no PMT PIDs to differ.
    void acrossModels()
    {
        const auto a = loadBytes(DemoSettingsBuilder::demoFile(DemoSettingsBuilder::Model::Kelmora2XX));
        const auto b = loadBytes(DemoSettingsBuilder::demoFile(DemoSettingsBuilder::Model::KelmoraHD));
        QVERIFY(a && b);
        QCOMPARE(channelSummary(SettingsComparison(*a, *b)), QString());
    }
};

QTEST_GUILESS_MAIN(TestSettingsComparison)
#include "tst_settingscomparison.moc"
