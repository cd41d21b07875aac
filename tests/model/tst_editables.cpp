#include "channel.h"
#include "satellite.h"
#include "transponder.h"

#include <QSignalSpy>
#include <QTest>

#include <functional>

using Change = std::function<void(Editable *)>;
Q_DECLARE_METATYPE(Change)

// What a new object puts into the file, and which changes the store hears of.
class TestEditables : public QObject
{
    Q_OBJECT

private slots:
    void newObjectsCarryTheReceiverDefaults_data();
    void newObjectsCarryTheReceiverDefaults();
    void changesAnnounceThemselves_data();
    void changesAnnounceThemselves();
};

void TestEditables::newObjectsCarryTheReceiverDefaults_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("expected");
    auto numbers = [](std::initializer_list<int> values) {
        QStringList texts;
        for (int value : values)
            texts.append(QString::number(value));
        return texts.join(QLatin1Char(' '));
    };
    const Satellite satellite;
    const Transponder transponder;
    const Channel channel;
    Channel radio;
    radio.setServiceType(2);
    QTest::addRow("satellite position, LOFs")
        << numbers({ satellite.position(), satellite.lowLof(), satellite.highLof() }) << "9999 9750 10600";
    QTest::addRow("transponder") << transponder.displayText() << "12000 H";
    QTest::addRow("transponder TSID, NID, ONID, symbol rate") << numbers({ transponder.transportStreamId(),
        transponder.networkId(), transponder.originalNetworkId(), transponder.symbolRate() })
                                                              << "65535 65535 65535 27500";
    QTest::addRow("channel SID, video, audio, PCR") << channel.displayText() << "65535 8191 8191 8191 ";
    QTest::addRow("channel PMT PID, TV") << numbers({ channel.pmtPid(), channel.isTv() }) << "0 1";
    QTest::addRow("any other service type is radio") << numbers({ radio.isTv() }) << "0";
}

void TestEditables::newObjectsCarryTheReceiverDefaults()
{
    QFETCH(QString, value);
    QFETCH(QString, expected);
    QCOMPARE(value, expected);
}

void TestEditables::changesAnnounceThemselves_data()
{
    QTest::addColumn<QSharedPointer<Editable>>("object");
    QTest::addColumn<Change>("change");
    QTest::addColumn<int>("count");
    auto satellite = [] { return QSharedPointer<Editable>(new Satellite); };
    auto channel = [] { return QSharedPointer<Editable>(new Channel); };
    auto onSatellite
        = [](auto call) { return Change([call](Editable *e) { call(static_cast<Satellite *>(e)); }); };
    auto onChannel
        = [](auto call) { return Change([call](Editable *e) { call(static_cast<Channel *>(e)); }); };
    QTest::addRow("a setter given the same value")
        << satellite() << onSatellite([](Satellite *s) { s->setPosition(s->position()); }) << 1;
    // The format sets it on load; it is not an edit.
    QTest::addRow("keepLast") << satellite() << onSatellite([](Satellite *s) { s->setKeepLast(true); }) << 0;
    QTest::addRow("a flag set twice") << channel() << onChannel([](Channel *c) {
        c->setFlag(4, true);
        c->setFlag(4, true);
    }) << 1;
    QTest::addRow("a flag set, then cleared twice") << channel() << onChannel([](Channel *c) {
        c->setFlag(4, true);
        c->setFlag(4, false);
        c->setFlag(4, false);
    }) << 2;
    QTest::addRow("a flag cleared that is not set")
        << channel() << onChannel([](Channel *c) { c->setFlag(8, false); }) << 0;
}

void TestEditables::changesAnnounceThemselves()
{
    QFETCH(QSharedPointer<Editable>, object);
    QFETCH(Change, change);
    QFETCH(int, count);
    QSignalSpy spy(object.data(), &Editable::propertyChanged);
    change(object.data());
    QCOMPARE(spy.count(), count);
    for (const QList<QVariant> &arguments : spy)
        QCOMPARE(arguments.at(0).value<Editable *>(), object.data());
}

QTEST_GUILESS_MAIN(TestEditables)
#include "tst_editables.moc"
