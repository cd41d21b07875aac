#include "channel.h"
#include "demosettingsbuilder.h"
#include "favoritegroup.h"
#include "kelmoratestimage.h"
#include "satellite.h"
#include "settings.h"

#include <QTest>

Q_DECLARE_METATYPE(DemoSettingsBuilder::Model)
Q_DECLARE_METATYPE(const TestModel *)

// The files the benchmarks and the UI tests start from: they must load as
// what they claim to be.
class TestDemoSettingsBuilder : public QObject
{
    Q_OBJECT

private slots:
    void models_data();
    void filledFileHoldsTheFractionOfEveryTable_data();
    void filledFileHoldsTheFractionOfEveryTable();
    void demoFileHasNationalNamesAndFilledGroups_data() { models_data(); }
    void demoFileHasNationalNamesAndFilledGroups();
};

void TestDemoSettingsBuilder::models_data()
{
    QTest::addColumn<DemoSettingsBuilder::Model>("model");
    QTest::addColumn<const TestModel *>("layout");
    QTest::addRow("2XX") << DemoSettingsBuilder::Model::Kelmora2XX << &model2XX;
    QTest::addRow("HD") << DemoSettingsBuilder::Model::KelmoraHD << &modelHD;
}

void TestDemoSettingsBuilder::filledFileHoldsTheFractionOfEveryTable_data()
{
    QTest::addColumn<DemoSettingsBuilder::Model>("model");
    QTest::addColumn<const TestModel *>("layout");
    QTest::addColumn<double>("fraction");
    for (double fraction : { 0.25, 1.0 }) {
        QTest::addRow("2XX %g", fraction) << DemoSettingsBuilder::Model::Kelmora2XX << &model2XX << fraction;
        QTest::addRow("HD %g", fraction) << DemoSettingsBuilder::Model::KelmoraHD << &modelHD << fraction;
    }
}

void TestDemoSettingsBuilder::filledFileHoldsTheFractionOfEveryTable()
{
    QFETCH(DemoSettingsBuilder::Model, model);
    QFETCH(const TestModel *, layout);
    QFETCH(double, fraction);
    QString error;
    const QByteArray bytes = DemoSettingsBuilder::filledFile(model, fraction, &error);
    QVERIFY2(bytes.size() == layout->fileSize, qPrintable(error));
    QCOMPARE(wordIn(bytes, layout->satelliteCount), qRound(layout->satelliteMax * fraction));
    QCOMPARE(wordIn(bytes, layout->transponderCount), qRound(layout->transponderMax * fraction));
    QCOMPARE(wordIn(bytes, layout->providerCount), qRound(layout->providerMax * fraction));
    QCOMPARE(wordIn(bytes, layout->channelCount), qRound(layout->channelMax * fraction));

    auto settings = loadBytes(bytes);
    QVERIFY(settings);
    QCOMPARE(settings->channels().size(), qRound(layout->channelMax * fraction));
    QCOMPARE(settings->favoriteGroups().size(), 9);
    for (FavoriteGroup *group : settings->favoriteGroups())
        QCOMPARE(settings->channelsOf(group).size(), qRound(400 * fraction));
}

void TestDemoSettingsBuilder::demoFileHasNationalNamesAndFilledGroups()
{
    QFETCH(DemoSettingsBuilder::Model, model);
    auto settings = loadBytes(DemoSettingsBuilder::demoFile(model));
    QVERIFY(settings);
    QVERIFY(settings->satellites().size() >= 3);
    QStringList names;
    for (Channel *channel : settings->channels())
        names.append(channel->name());
    QVERIFY(names.contains(QString::fromUtf8("Первый")));
    QVERIFY(names.contains(QString::fromUtf8("ΕΡΤ1")));
    QVERIFY(settings->mainChannelList().tvCount() < settings->channels().size());
    for (FavoriteGroup *group : settings->favoriteGroups()) {
        QVERIFY(!group->name().isEmpty());
        QVERIFY(!settings->channelsOf(group).isEmpty());
    }
}

QTEST_GUILESS_MAIN(TestDemoSettingsBuilder)
#include "tst_demosettingsbuilder.moc"
