#include "model/channel.h"
#include "model/provider.h"
#include "model/satellite.h"
#include "model/transponder.h"

#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <memory>

namespace {

QString numbers(std::initializer_list<int> values)
{
    QStringList texts;
    for (int value : values)
        texts.append(QString::number(value));
    return texts.join(QLatin1Char(' '));
}

// How often a fresh object announces a change while the edit runs, or -1
// when an announcement names another object.
template<typename T> int announcements(const std::function<void(T *)> &edit)
{
    T object;
    QSignalSpy spy(&object, &Editable::propertyChanged);
    edit(&object);
    for (const QList<QVariant> &arguments : spy)
        if (arguments.at(0).value<Editable *>() != &object)
            return -1;
    return int(spy.count());
}

} // namespace

// What a new object puts into the file, and which changes the store hears of.
class TestEditables : public QObject
{
    Q_OBJECT

private slots:
    void newObjectsCarryTheReceiverDefaults()
    {
        const Satellite satellite;
        const Transponder transponder;
        const Channel channel;
        Channel radio;
        radio.setServiceType(2); // any type but 0 is radio
        QCOMPARE(numbers({ satellite.position(), satellite.lowLof(), satellite.highLof() }),
            QStringLiteral("9999 9750 10600"));
        QCOMPARE(transponder.displayText(), QStringLiteral("12000 H"));
        QCOMPARE(numbers({ transponder.transportStreamId(), transponder.networkId(),
                     transponder.originalNetworkId(), transponder.symbolRate() }),
            QStringLiteral("65535 65535 65535 27500"));
        QCOMPARE(channel.displayText(), QStringLiteral("65535 8191 8191 8191 ")); // SID, video, audio, PCR
        QCOMPARE(numbers({ channel.pmtPid(), channel.isTv(), radio.isTv() }), QStringLiteral("0 1 0"));
    }

    void onlyRealChangesAnnounceThemselves()
    {
        // Every setter, given first the value the object holds and then
        // another: a dialog accepted unchanged must not mark the file modified.
        const auto satelliteEdits = [](Satellite *s) {
            s->setPosition(s->position()), s->setPosition(130);
            s->setName(s->name()), s->setName(QStringLiteral("Astra"));
            s->setLowLof(s->lowLof()), s->setLowLof(9751);
            s->setHighLof(s->highLof()), s->setHighLof(10601);
            s->setDiseqc(s->diseqc()), s->setDiseqc(2);
            s->setTone(s->tone()), s->setTone(1);
            s->setDiseqc12(s->diseqc12()), s->setDiseqc12(true);
            s->setDiseqc12Position(s->diseqc12Position()), s->setDiseqc12Position(3);
            s->setDiseqc11(s->diseqc11()), s->setDiseqc11(0x12);
            // The format sets it on load; it is not an edit.
            s->setKeepLast(true);
        };
        QCOMPARE(announcements<Satellite>(satelliteEdits), 9);
        Satellite satellite;
        const auto transponderEdits = [&satellite](Transponder *t) {
            t->setSatellite(t->satellite()), t->setSatellite(&satellite);
            t->setPolarization(t->polarization()), t->setPolarization(1);
            t->setTransportStreamId(t->transportStreamId()), t->setTransportStreamId(1);
            t->setNetworkId(t->networkId()), t->setNetworkId(1);
            t->setOriginalNetworkId(t->originalNetworkId()), t->setOriginalNetworkId(1);
            t->setFrequency(t->frequency()), t->setFrequency(11000);
            t->setSymbolRate(t->symbolRate()), t->setSymbolRate(22000);
        };
        QCOMPARE(announcements<Transponder>(transponderEdits), 7);
        Provider provider;
        Transponder transponder;
        const auto channelEdits = [&](Channel *c) {
            c->setServiceId(c->serviceId()), c->setServiceId(1);
            c->setProvider(c->provider()), c->setProvider(&provider);
            c->setTransponder(c->transponder()), c->setTransponder(&transponder);
            c->setVideoPid(c->videoPid()), c->setVideoPid(1);
            c->setAudioPid(c->audioPid()), c->setAudioPid(1);
            c->setPcrPid(c->pcrPid()), c->setPcrPid(1);
            c->setPmtPid(c->pmtPid()), c->setPmtPid(1);
            c->setServiceType(c->serviceType()), c->setServiceType(1);
            c->setName(c->name()), c->setName(QStringLiteral("ZDF"));
            c->setFlag(4, false), c->setFlag(4, true), c->setFlag(4, true);
        };
        QCOMPARE(announcements<Channel>(channelEdits), 10);
        const auto nameEdits = [](Provider *p) { p->setName(QString()), p->setName(QStringLiteral("ARD")); };
        QCOMPARE(announcements<Provider>(nameEdits), 1);
    }

    void idsAreNeverShared()
    {
        // Made and freed in turn, objects may reuse one address; never an id.
        QSet<quint64> ids;
        for (int i = 0; i < 100; ++i) {
            auto channel = std::make_unique<Channel>();
            const Provider provider;
            QVERIFY(channel->id() != 0 && !ids.contains(channel->id()) && !ids.contains(provider.id()));
            ids << channel->id() << provider.id();
        }
    }
};

QTEST_GUILESS_MAIN(TestEditables)
#include "tst_editables.moc"
