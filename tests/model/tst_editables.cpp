#include "channel.h"
#include "satellite.h"
#include "transponder.h"

#include <QSignalSpy>
#include <QTest>

#include <functional>

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

    void changesAnnounceThemselves()
    {
        QCOMPARE(announcements<Satellite>([](Satellite *s) { s->setPosition(s->position()); }), 1);
        // The format sets it on load; it is not an edit.
        QCOMPARE(announcements<Satellite>([](Satellite *s) { s->setKeepLast(true); }), 0);
        // Only a flag that really changes is announced.
        auto flagEdits = [](QList<bool> values) {
            return announcements<Channel>([values](Channel *c) {
                for (bool value : values)
                    c->setFlag(4, value);
            });
        };
        QCOMPARE(flagEdits({ true, true }), 1);
        QCOMPARE(flagEdits({ true, false, false }), 2);
        QCOMPARE(flagEdits({ false }), 0);
    }
};

QTEST_GUILESS_MAIN(TestEditables)
#include "tst_editables.moc"
