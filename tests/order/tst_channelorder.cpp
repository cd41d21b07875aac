#include "model/channel.h"
#include "model/provider.h"
#include "model/satellite.h"
#include "model/transponder.h"
#include "order/channelorder.h"
#include "order/channelsorter.h"

#include <QTest>

#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// Channels from "name/satellite/frequency/provider/sid" texts joined by
// ","; empty parts are left unset, a name starting with "R" is radio.
struct Pool
{
    std::vector<std::unique_ptr<QObject>> owned;

    template<typename T> T *make(const QString &name = {})
    {
        owned.push_back(std::make_unique<T>());
        auto *object = static_cast<T *>(owned.back().get());
        if constexpr (!std::is_same_v<T, Transponder>)
            object->setName(name);
        return object;
    }
    QList<Channel *> channels(const QString &descriptions)
    {
        QList<Channel *> list;
        for (const QString &description : descriptions.split(u',')) {
            const QStringList part = description.split(u'/');
            auto *channel = make<Channel>(part.at(0));
            channel->setServiceType(part.at(0).startsWith(u'R') ? 1 : 0);
            if (!part.value(1).isEmpty()) {
                channel->setTransponder(make<Transponder>());
                channel->transponder()->setSatellite(make<Satellite>(part.at(1)));
                channel->transponder()->setFrequency(quint16(part.value(2).toUInt()));
            }
            if (!part.value(3).isEmpty())
                channel->setProvider(make<Provider>(part.at(3)));
            channel->setServiceId(quint16(part.value(4).toUInt()));
            list.append(channel);
        }
        return list;
    }
};

QString namesOf(const QList<Channel *> &channels)
{
    QStringList names;
    for (const Channel *channel : channels)
        names.append(channel->name());
    return names.join(u',');
}

} // namespace

class TestChannelOrder : public QObject
{
    Q_OBJECT

private slots:
    // A sort hands its order to arranged(): the channels take the places
    // they hold, each block for itself, and a repeated or foreign channel
    // can neither take two places nor push one out.
    void arrangedFillsTheHeldPlacesOnly()
    {
        Pool pool;
        const QList<Channel *> channels = pool.channels(u"T1,T2,T3,R1,R2"_s);
        const ChannelOrder order(channels, 3, true);
        Channel *stranger = pool.channels(u"T9"_s).first();
        const ChannelOrder::Result result
            = order.arranged({ channels.at(4), channels.at(2), stranger, channels.at(2), channels.at(0) });
        QCOMPARE(namesOf(result.channels), u"T3,T2,T1,R1,R2"_s);
        QVERIFY(result.clamped);
        QVERIFY(!order.arranged({ channels.at(1), channels.at(0) }).clamped);
        // Without TV-first there is one block, and nothing holds back.
        QCOMPARE(namesOf(ChannelOrder(channels, 3, false).movedToTop({ channels.at(3) }).channels),
            u"R1,T1,T2,T3,R2"_s);
    }

    // Names blind to case and accents, numbers by value; channels lacking
    // what a key sorts by come last; ties keep their order.
    void keysSortAsAReaderExpects_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("channels");
        QTest::addColumn<QString>("sorted");
        const int name = ChannelSorter::ByName;
        QTest::addRow("numbers by value") << name << u"Sky 10,Sky 2,Sky 1"_s << u"Sky 1,Sky 2,Sky 10"_s;
        QTest::addRow("case and accents, ties stay")
            << name << u"zdf,Ärte,arte 1,ARTE"_s << u"Ärte,ARTE,arte 1,zdf"_s;
        QTest::addRow("leading zeros, digits first") << name << u"a010,b,a9,a007"_s << u"a007,a9,a010,b"_s;
        const QString four
            = u"a/Hot Bird/12000/zdf/300,b/Hot Bird/11000/ARD/4000,c/Astra 2/12500/ARD/20,d////1"_s;
        QTest::addRow("satellite, then frequency")
            << int(ChannelSorter::BySatelliteAndFrequency) << four << u"c,b,a,d"_s;
        QTest::addRow("provider, then name") << int(ChannelSorter::ByProviderAndName) << four << u"b,c,a,d"_s;
        QTest::addRow("service id") << int(ChannelSorter::ByServiceId) << four << u"d,c,a,b"_s;
    }
    void keysSortAsAReaderExpects()
    {
        QFETCH(int, key);
        QFETCH(QString, channels);
        QFETCH(QString, sorted);
        Pool pool;
        QCOMPARE(namesOf(ChannelSorter::sorted(pool.channels(channels), ChannelSorter::Key(key))), sorted);
    }
};

QTEST_GUILESS_MAIN(TestChannelOrder)
#include "tst_channelorder.moc"
