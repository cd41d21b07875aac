#include "channel.h"
#include "channellist.h"
#include "provider.h"
#include "rooteditable.h"
#include "satellite.h"
#include "transponder.h"

#include <QRandomGenerator>
#include <QTest>

#include <memory>
#include <vector>

// Builds channels named after their letters: "T" for TV, "R" for radio.
class ChannelPool
{
public:
    Channel *make(const QString &name)
    {
        auto channel = std::make_unique<Channel>();
        channel->setName(name);
        channel->setServiceType(name.startsWith(QLatin1Char('R')) ? 1 : 0);
        m_channels.push_back(std::move(channel));
        return m_channels.back().get();
    }

private:
    std::vector<std::unique_ptr<Channel>> m_channels;
};

static QString names(const ChannelList &list)
{
    QStringList result;
    for (Channel *channel : list.channels())
        result.append(channel->name());
    return result.join(QLatin1Char(' '));
}

// The block invariant: the first tvCount() channels are exactly the TV set
// and TV channels; the rest are radio channels.
static bool blocksHold(const ChannelList &list)
{
    const QSet<Channel *> tv = list.tvChannels();
    for (int i = 0; i < list.count(); ++i) {
        const bool inTvBlock = i < tv.size();
        if (inTvBlock != tv.contains(list.at(i)) || inTvBlock != list.at(i)->isTv())
            return false;
    }
    return true;
}

class TestChannelList : public QObject
{
    Q_OBJECT

private slots:
    void appendKeepsTvFirst();
    void appendIgnoresAChannelAlreadyHeld();
    void moveIsClampedToTheBlock_data();
    void moveIsClampedToTheBlock();
    void moveOfAChannelNotHeldChangesNothing();
    void serviceTypeChangeMovesBetweenBlocks();
    void setTvFirstSortsBlocksStably();
    void removeKeepsPositionsRight();
    void takeModifiedClearsTheFlag();
    void channelsOfPicksByOwner();
    void invariantHoldsUnderRandomOperations();
};

void TestChannelList::appendKeepsTvFirst()
{
    ChannelPool pool;
    ChannelList list;
    list.setTvFirst(true);
    for (const char *name : {"R0", "T0", "R1", "T1"})
        list.append(pool.make(QLatin1String(name)));
    QCOMPARE(names(list), QStringLiteral("T0 T1 R0 R1"));
    QCOMPARE(list.tvCount(), 2);
    QCOMPARE(list.indexOf(list.at(2)), 2);
    QVERIFY(blocksHold(list));
}

void TestChannelList::appendIgnoresAChannelAlreadyHeld()
{
    ChannelPool pool;
    ChannelList list;
    list.setTvFirst(true);
    Channel *tv = pool.make(QStringLiteral("T0"));
    list.append(tv);
    list.append(pool.make(QStringLiteral("R0")));
    QVERIFY(list.takeModified());
    list.append(tv);
    QCOMPARE(names(list), QStringLiteral("T0 R0"));
    QCOMPARE(list.tvCount(), 1);
    QVERIFY(!list.takeModified());
}

void TestChannelList::moveIsClampedToTheBlock_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("expected");
    QTest::addRow("radio to the top stops at the radio block") << 4 << 0 << QStringLiteral("T0 T1 T2 R1 R0");
    QTest::addRow("tv to the bottom stops at the tv block") << 0 << 4 << QStringLiteral("T1 T2 T0 R0 R1");
    QTest::addRow("within the tv block") << 2 << 0 << QStringLiteral("T2 T0 T1 R0 R1");
    QTest::addRow("within the radio block") << 3 << 4 << QStringLiteral("T0 T1 T2 R1 R0");
    QTest::addRow("onto itself") << 1 << 1 << QStringLiteral("T0 T1 T2 R0 R1");
}

void TestChannelList::moveIsClampedToTheBlock()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, expected);
    ChannelPool pool;
    ChannelList list;
    list.setTvFirst(true);
    for (const char *name : {"T0", "T1", "T2", "R0", "R1"})
        list.append(pool.make(QLatin1String(name)));
    (void)list.takeModified();
    list.move(from, to);
    QCOMPARE(names(list), expected);
    QVERIFY(list.takeModified());
    QVERIFY(blocksHold(list));
    for (int i = 0; i < list.count(); ++i)
        QCOMPARE(list.indexOf(list.at(i)), i);
}

void TestChannelList::moveOfAChannelNotHeldChangesNothing()
{
    ChannelPool pool;
    ChannelList list;
    Channel *held = pool.make(QStringLiteral("T0"));
    list.append(held);
    (void)list.takeModified();
    list.move(pool.make(QStringLiteral("T9")), held);
    list.move(held, pool.make(QStringLiteral("T8")));
    QCOMPARE(names(list), QStringLiteral("T0"));
    QVERIFY(!list.takeModified());
}

void TestChannelList::serviceTypeChangeMovesBetweenBlocks()
{
    ChannelPool pool;
    ChannelList list;
    list.setTvFirst(true);
    Channel *t0 = pool.make(QStringLiteral("T0"));
    Channel *t1 = pool.make(QStringLiteral("T1"));
    Channel *r0 = pool.make(QStringLiteral("R0"));
    for (Channel *channel : {t0, t1, r0})
        list.append(channel);
    (void)list.takeModified();

    t0->setServiceType(1);
    list.updateEditable(t0);
    QCOMPARE(names(list), QStringLiteral("T1 T0 R0"));
    QCOMPARE(list.tvCount(), 1);
    QVERIFY(list.takeModified());

    r0->setServiceType(0);
    list.updateEditable(r0);
    QCOMPARE(names(list), QStringLiteral("T1 R0 T0"));
    QCOMPARE(list.tvCount(), 2);
    QVERIFY(blocksHold(list));

    // Nothing to do for a channel whose block is right, or for other objects.
    list.updateEditable(t1);
    Provider provider;
    list.updateEditable(&provider);
    QCOMPARE(names(list), QStringLiteral("T1 R0 T0"));

    // A list without TV-first mode does not react.
    ChannelList plain;
    plain.append(t0);
    plain.append(t1);
    t1->setServiceType(1);
    plain.updateEditable(t1);
    QCOMPARE(names(plain), QStringLiteral("T0 T1"));
}

void TestChannelList::setTvFirstSortsBlocksStably()
{
    ChannelPool pool;
    ChannelList list;
    for (const char *name : {"R0", "T0", "R1", "T1", "T2", "R2"})
        list.append(pool.make(QLatin1String(name)));
    QCOMPARE(list.tvCount(), 0);
    list.setTvFirst(true);
    QCOMPARE(names(list), QStringLiteral("T0 T1 T2 R0 R1 R2"));
    QCOMPARE(list.tvCount(), 3);
    QVERIFY(blocksHold(list));
}

void TestChannelList::removeKeepsPositionsRight()
{
    ChannelPool pool;
    ChannelList list;
    list.setTvFirst(true);
    QList<Channel *> channels;
    for (const char *name : {"T0", "T1", "T2", "R0", "R1"}) {
        channels.append(pool.make(QLatin1String(name)));
        list.append(channels.last());
    }
    list.remove(channels.at(1));
    QVERIFY(list.remove(QList<Channel *>{channels.at(3), channels.at(3), channels.at(0)}));
    QCOMPARE(names(list), QStringLiteral("T2 R1"));
    QCOMPARE(list.tvCount(), 1);
    QCOMPARE(list.indexOf(channels.at(4)), 1);
    QCOMPARE(list.indexOf(channels.at(0)), -1);
    QVERIFY(!list.remove(QList<Channel *>{channels.at(0)}));
    QVERIFY(blocksHold(list));
}

void TestChannelList::takeModifiedClearsTheFlag()
{
    ChannelPool pool;
    ChannelList list;
    QVERIFY(!list.takeModified());
    Channel *channel = pool.make(QStringLiteral("T0"));
    list.append(channel);
    QVERIFY(list.takeModified());
    QVERIFY(!list.takeModified());
    list.remove(pool.make(QStringLiteral("T1")));
    QVERIFY(list.takeModified());
}

void TestChannelList::channelsOfPicksByOwner()
{
    ChannelPool pool;
    Satellite astra;
    Satellite hotbird;
    Transponder onAstra;
    onAstra.setSatellite(&astra);
    Transponder onHotbird;
    onHotbird.setSatellite(&hotbird);
    Provider ard;
    Channel *a = pool.make(QStringLiteral("T0"));
    Channel *b = pool.make(QStringLiteral("T1"));
    Channel *c = pool.make(QStringLiteral("R0"));
    a->setTransponder(&onAstra);
    a->setProvider(&ard);
    b->setTransponder(&onHotbird);
    c->setProvider(&ard);
    ChannelList list;
    for (Channel *channel : {a, b, c})
        list.append(channel);

    QCOMPARE(list.channelsOf(&ard), (QList<Channel *>{a, c}));
    QCOMPARE(list.channelsOf(&astra), QList<Channel *>{a});
    QCOMPARE(list.channelsOf(&onHotbird), QList<Channel *>{b});
    RootEditable satellites(SatellitesRootType, QStringLiteral("Satellites"));
    RootEditable providers(ProvidersRootType, QStringLiteral("Providers"));
    QCOMPARE(list.channelsOf(&satellites), list.channels());
    QVERIFY(list.channelsOf(&providers).isEmpty());
    QVERIFY(list.channelsOf(a).isEmpty());
}

void TestChannelList::invariantHoldsUnderRandomOperations()
{
    ChannelPool pool;
    ChannelList list;
    list.setTvFirst(true);
    QList<Channel *> all;
    QRandomGenerator random(20261207);
    for (int step = 0; step < 2000; ++step) {
        const int operation = random.bounded(4);
        if (operation == 0 || list.count() < 2) {
            all.append(pool.make(random.bounded(2) ? QStringLiteral("T") : QStringLiteral("R")));
            list.append(all.last());
        } else if (operation == 1) {
            list.move(random.bounded(list.count()), random.bounded(list.count()));
        } else if (operation == 2) {
            Channel *channel = list.at(random.bounded(list.count()));
            channel->setServiceType(channel->isTv() ? 1 : 0);
            list.updateEditable(channel);
        } else {
            list.remove(all.at(random.bounded(all.size())));
        }
        QVERIFY2(blocksHold(list), qPrintable(QStringLiteral("step %1").arg(step)));
    }
    for (int i = 0; i < list.count(); ++i)
        QCOMPARE(list.indexOf(list.at(i)), i);
}

QTEST_GUILESS_MAIN(TestChannelList)
#include "tst_channellist.moc"
