#include "channel.h"
#include "favoritegroup.h"
#include "provider.h"
#include "rooteditable.h"
#include "satellite.h"
#include "transponder.h"

#include <QSignalSpy>
#include <QTest>

#include <functional>

class TestEditables : public QObject
{
    Q_OBJECT

private slots:
    void newObjectsHaveTheirDefaults();
    void displayTexts();
    void everySetterEmitsOnceWithItsObject_data();
    void everySetterEmitsOnceWithItsObject();
    void keepLastIsSilent();
    void setFlagEmitsOnlyOnRealChange();
    void nonZeroServiceTypeCountsAsRadio();
};

void TestEditables::newObjectsHaveTheirDefaults()
{
    Satellite satellite;
    QCOMPARE(satellite.typeCode(), int(SatelliteType));
    QCOMPARE(satellite.position(), quint16(9999));
    QCOMPARE(satellite.lowLof(), quint16(9750));
    QCOMPARE(satellite.highLof(), quint16(10600));
    QCOMPARE(satellite.diseqc() + satellite.tone() + satellite.diseqc11() + satellite.diseqc12Position(), 0);
    QVERIFY(!satellite.diseqc12() && !satellite.keepLast() && satellite.name().isEmpty());

    Transponder transponder;
    QCOMPARE(transponder.typeCode(), int(TransponderType));
    QCOMPARE(transponder.satellite(), nullptr);
    QCOMPARE(transponder.transportStreamId(), quint16(65535));
    QCOMPARE(transponder.networkId(), quint16(65535));
    QCOMPARE(transponder.originalNetworkId(), quint16(65535));
    QCOMPARE(transponder.symbolRate(), quint16(27500));

    Channel channel;
    QCOMPARE(channel.typeCode(), int(ChannelType));
    QCOMPARE(channel.serviceId(), quint16(65535));
    QCOMPARE(channel.videoPid(), quint16(8191));
    QCOMPARE(channel.audioPid(), quint16(8191));
    QCOMPARE(channel.pcrPid(), quint16(8191));
    QCOMPARE(channel.pmtPid(), quint16(0));
    QCOMPARE(channel.serviceType(), 0);
    QVERIFY(!channel.provider() && !channel.transponder() && channel.flags().isEmpty());

    QCOMPARE(Provider().typeCode(), int(ProviderType));
    QCOMPARE(FavoriteGroup().typeCode(), int(FavoriteGroupType));
    RootEditable root(SatellitesRootType, QStringLiteral("Satellites"));
    QCOMPARE(root.typeCode(), int(SatellitesRootType));
    QCOMPARE(root.displayText(), QStringLiteral("Satellites"));
}

void TestEditables::displayTexts()
{
    Transponder transponder;
    QCOMPARE(transponder.displayText(), QStringLiteral("12000 H"));
    transponder.setPolarization(2);
    transponder.setFrequency(10714);
    QCOMPARE(transponder.displayText(), QStringLiteral("10714 V"));

    Channel channel;
    QCOMPARE(channel.displayText(), QStringLiteral("65535 8191 8191 8191 "));
    channel.setName(QStringLiteral("Das Erste"));
    channel.setServiceId(28106);
    QCOMPARE(channel.displayText(), QStringLiteral("28106 8191 8191 8191 Das Erste"));

    Provider provider;
    QVERIFY(provider.displayText().isEmpty());
    provider.setName(QStringLiteral("ARD"));
    QCOMPARE(provider.displayText(), QStringLiteral("ARD"));
}

using Setter = std::function<void(Editable *)>;

void TestEditables::everySetterEmitsOnceWithItsObject_data()
{
    QTest::addColumn<QSharedPointer<Editable>>("object");
    QTest::addColumn<Setter>("setter");

    auto satellite = [](auto call) {
        return Setter([call](Editable *e) { call(static_cast<Satellite *>(e)); });
    };
    auto transponder = [](auto call) {
        return Setter([call](Editable *e) { call(static_cast<Transponder *>(e)); });
    };
    auto channel = [](auto call) { return Setter([call](Editable *e) { call(static_cast<Channel *>(e)); }); };
    const auto newSatellite = [] { return QSharedPointer<Editable>(new Satellite); };
    const auto newTransponder = [] { return QSharedPointer<Editable>(new Transponder); };
    const auto newChannel = [] { return QSharedPointer<Editable>(new Channel); };

    // Each setter is given the value the property already has: it must emit all the same.
    QTest::addRow("satellite position") << newSatellite() << satellite([](Satellite *s) { s->setPosition(9999); });
    QTest::addRow("satellite name") << newSatellite() << satellite([](Satellite *s) { s->setName({}); });
    QTest::addRow("satellite lowLof") << newSatellite() << satellite([](Satellite *s) { s->setLowLof(9750); });
    QTest::addRow("satellite highLof") << newSatellite() << satellite([](Satellite *s) { s->setHighLof(10600); });
    QTest::addRow("satellite diseqc") << newSatellite() << satellite([](Satellite *s) { s->setDiseqc(0); });
    QTest::addRow("satellite tone") << newSatellite() << satellite([](Satellite *s) { s->setTone(0); });
    QTest::addRow("satellite diseqc12") << newSatellite() << satellite([](Satellite *s) { s->setDiseqc12(false); });
    QTest::addRow("satellite motor") << newSatellite() << satellite([](Satellite *s) { s->setDiseqc12Position(0); });
    QTest::addRow("satellite diseqc11") << newSatellite() << satellite([](Satellite *s) { s->setDiseqc11(0); });
    QTest::addRow("transponder satellite")
        << newTransponder() << transponder([](Transponder *t) { t->setSatellite(nullptr); });
    QTest::addRow("transponder frequency")
        << newTransponder() << transponder([](Transponder *t) { t->setFrequency(12000); });
    QTest::addRow("transponder polarization")
        << newTransponder() << transponder([](Transponder *t) { t->setPolarization(0); });
    QTest::addRow("transponder tsid")
        << newTransponder() << transponder([](Transponder *t) { t->setTransportStreamId(65535); });
    QTest::addRow("transponder nid") << newTransponder() << transponder([](Transponder *t) { t->setNetworkId(65535); });
    QTest::addRow("transponder onid")
        << newTransponder() << transponder([](Transponder *t) { t->setOriginalNetworkId(65535); });
    QTest::addRow("transponder symbol rate")
        << newTransponder() << transponder([](Transponder *t) { t->setSymbolRate(27500); });
    QTest::addRow("channel sid") << newChannel() << channel([](Channel *c) { c->setServiceId(65535); });
    QTest::addRow("channel video") << newChannel() << channel([](Channel *c) { c->setVideoPid(8191); });
    QTest::addRow("channel audio") << newChannel() << channel([](Channel *c) { c->setAudioPid(8191); });
    QTest::addRow("channel pcr") << newChannel() << channel([](Channel *c) { c->setPcrPid(8191); });
    QTest::addRow("channel pmt") << newChannel() << channel([](Channel *c) { c->setPmtPid(0); });
    QTest::addRow("channel type") << newChannel() << channel([](Channel *c) { c->setServiceType(0); });
    QTest::addRow("channel name") << newChannel() << channel([](Channel *c) { c->setName({}); });
    QTest::addRow("channel provider") << newChannel() << channel([](Channel *c) { c->setProvider(nullptr); });
    QTest::addRow("channel transponder")
        << newChannel() << channel([](Channel *c) { c->setTransponder(nullptr); });
    QTest::addRow("provider name") << QSharedPointer<Editable>(new Provider)
                                   << Setter([](Editable *e) { static_cast<Provider *>(e)->setName({}); });
    QTest::addRow("group name") << QSharedPointer<Editable>(new FavoriteGroup)
                                << Setter([](Editable *e) { static_cast<FavoriteGroup *>(e)->setName({}); });
}

void TestEditables::everySetterEmitsOnceWithItsObject()
{
    QFETCH(QSharedPointer<Editable>, object);
    QFETCH(Setter, setter);
    QSignalSpy spy(object.data(), &Editable::propertyChanged);
    setter(object.data());
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<Editable *>(), object.data());
}

void TestEditables::keepLastIsSilent()
{
    Satellite satellite;
    QSignalSpy spy(&satellite, &Editable::propertyChanged);
    satellite.setKeepLast(true);
    QVERIFY(satellite.keepLast());
    QCOMPARE(spy.count(), 0);
}

void TestEditables::setFlagEmitsOnlyOnRealChange()
{
    Channel channel;
    QSignalSpy spy(&channel, &Editable::propertyChanged);
    channel.setFlag(4, true);
    channel.setFlag(4, true);
    QCOMPARE(spy.count(), 1);
    QVERIFY(channel.hasFlag(4));
    channel.setFlag(4, false);
    channel.setFlag(4, false);
    QCOMPARE(spy.count(), 2);
    QVERIFY(!channel.hasFlag(4));
}

void TestEditables::nonZeroServiceTypeCountsAsRadio()
{
    Channel channel;
    QVERIFY(channel.isTv());
    channel.setServiceType(2);
    QVERIFY(!channel.isTv());
    QCOMPARE(Channel::serviceTypeText(2), QStringLiteral("Radio"));
}

QTEST_GUILESS_MAIN(TestEditables)
#include "tst_editables.moc"
