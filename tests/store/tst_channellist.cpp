#include "model/channel.h"
#include "model/provider.h"
#include "store/channellist.h"

#include <QRandomGenerator>
#include <QTest>

#include <functional>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// Owns the channels of a test, named after their kind: "T..." for TV,
// "R..." for radio.
struct ChannelPool
{
    Channel *make(const QString &name)
    {
        channels.push_back(std::make_unique<Channel>());
        channels.back()->setName(name);
        channels.back()->setServiceType(name.startsWith(QLatin1Char('R')) ? 1 : 0);
        return channels.back().get();
    }
    std::vector<std::unique_ptr<Channel>> channels;
};

void fill(ChannelList &list, bool tvFirst, const QList<Channel *> &channels)
{
    list.setTvFirst(tvFirst);
    for (Channel *channel : channels)
        list.append(channel);
    (void)list.takeModified();
}

// The names in list order; a wrong TV block or position index shows as a "!".
QString check(const ChannelList &list)
{
    QStringList names;
    const QSet<Channel *> tv = list.tvChannels();
    for (int i = 0; i < list.count(); ++i) {
        Channel *channel = list.at(i);
        const bool inTvBlock = i < tv.size();
        const bool right = list.indexOf(channel) == i
            && (!list.tvFirst() || (inTvBlock == tv.contains(channel) && inTvBlock == channel->isTv()));
        names.append(channel->name() + (right ? QString() : QStringLiteral("!")));
    }
    return names.join(QLatin1Char(' '));
}

} // namespace

using Edit = std::function<void(ChannelList &, const QList<Channel *> &, ChannelPool &)>;
Q_DECLARE_METATYPE(Edit)

class TestChannelList : public QObject
{
    Q_OBJECT

private slots:
    void editsKeepTvFirst_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<bool>("tvFirst");
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("modified");
        auto row = [](const char *name, const char *start, bool tvFirst, const char *expected, bool modified,
                       const Edit &edit) {
            QTest::addRow("%s", name)
                << QString::fromLatin1(start) << tvFirst << edit << QString::fromLatin1(expected) << modified;
        };
        const char *five = "T0 T1 T2 R0 R1";
        auto move = [](int from, int to) { return Edit([=](auto &l, auto &, auto &) { l.move(from, to); }); };
        auto retype = [](int i) {
            return Edit([=](auto &l, auto &c, auto &) {
                c.at(i)->setServiceType(c.at(i)->isTv() ? 1 : 0);
                l.updateEditable(c.at(i));
            });
        };

        row("append puts TV ahead", "R0 T0", true, "T0 T1 R0 R1", true, [](auto &l, auto &, auto &pool) {
            l.append(pool.make(QStringLiteral("R1")));
            l.append(pool.make(QStringLiteral("T1")));
        });
        row("append of a channel held", "T0 R0", true, "T0 R0", false,
            [](auto &l, auto &c, auto &) { l.append(c.at(0)); });
        row("radio to the top stops at the radio block", five, true, "T0 T1 T2 R1 R0", true, move(4, 0));
        row("TV to the bottom stops at the TV block", five, true, "T1 T2 T0 R0 R1", true, move(0, 4));
        row("within the TV block", five, true, "T2 T0 T1 R0 R1", true, move(2, 0));
        row("within the radio block", five, true, "T0 T1 T2 R1 R0", true, move(3, 4));
        row("move of a channel not held", "T0", true, "T0", false, [](auto &l, auto &c, auto &pool) {
            l.move(pool.make(QStringLiteral("T9")), c.at(0));
            l.move(c.at(0), pool.make(QStringLiteral("T8")));
        });
        row("TV turned radio", "T0 T1 R0", true, "T1 T0 R0", true, retype(0));
        row("radio turned TV", "T0 R0 R1", true, "T0 R1 R0", true, retype(2));
        row("type change without TV-first", "T0 T1", false, "T0 T1", false, retype(0));
        row("update of a channel in its block, or of another object", "T0 R0", true, "T0 R0", false,
            [](auto &l, auto &c, auto &) {
                l.updateEditable(c.at(0));
                Provider provider;
                l.updateEditable(&provider);
            });
        row("TV-first sorts stably", "R0 T0 R1 T1 T2 R2", false, "T0 T1 T2 R0 R1 R2", true,
            [](auto &l, auto &, auto &) { l.setTvFirst(true); });
        row("remove, with repeats", five, true, "T2 R1", true, [](auto &l, auto &c, auto &) {
            l.remove(c.at(1));
            QVERIFY(l.remove(QList<Channel *> { c.at(3), c.at(3), c.at(0) }));
            QCOMPARE(l.indexOf(c.at(0)), -1);
        });
        row("remove of channels not held", "T0", true, "T0", false, [](auto &l, auto &, auto &pool) {
            QVERIFY(!l.remove(QList<Channel *> { pool.make(QStringLiteral("T8")) }));
        });
    }

    void editsKeepTvFirst()
    {
        QFETCH(QString, start);
        QFETCH(bool, tvFirst);
        QFETCH(Edit, edit);
        QFETCH(QString, expected);
        QFETCH(bool, modified);
        ChannelPool pool;
        QList<Channel *> channels;
        for (const QString &name : start.split(QLatin1Char(' ')))
            channels.append(pool.make(name));
        ChannelList list;
        fill(list, tvFirst, channels);
        edit(list, channels, pool);
        QCOMPARE(check(list), expected);
        QCOMPARE(list.takeModified(), modified);
        QVERIFY(!list.takeModified());
    }

    void invariantHoldsUnderRandomOperations()
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
            QVERIFY2(
                !check(list).contains(QLatin1Char('!')), qPrintable(QStringLiteral("step %1").arg(step)));
        }
    }

    // A drop of many channels onto one moves them in a single pass; it must end
    // exactly where the channel-by-channel moves end, also for channels of the
    // other block, channels not held, the target itself and repeats.
    void batchMoveMatchesSingleMoves()
    {
        QRandomGenerator random(7);
        for (int round = 0; round < 400; ++round) {
            ChannelPool pool;
            QList<Channel *> all;
            const int size = 1 + random.bounded(12);
            for (int i = 0; i < size; ++i)
                all.append(pool.make(
                    (random.bounded(2) ? QStringLiteral("T") : QStringLiteral("R")) + QString::number(i)));
            ChannelList batch;
            ChannelList single;
            fill(batch, round % 4 != 0, all);
            fill(single, round % 4 != 0, all);
            Channel *target = all.at(random.bounded(size));
            QList<Channel *> dragged;
            for (int i = random.bounded(size + 1); i > 0; --i)
                dragged.append(all.at(random.bounded(size)));
            if (round % 5 == 0)
                dragged.append(pool.make(QStringLiteral("T-stranger")));
            if (round % 7 != 0) {
                // Mostly without repeats, as a selection gives them.
                QList<Channel *> distinct;
                for (Channel *channel : std::as_const(dragged))
                    if (!distinct.contains(channel))
                        distinct.append(channel);
                dragged = distinct;
            }
            batch.move(dragged, target);
            for (Channel *channel : std::as_const(dragged))
                single.move(channel, target);
            QCOMPARE(check(batch), check(single));
            QCOMPARE(batch.takeModified(), single.takeModified());
        }
    }

    // A new order is taken only when it holds the same channels, each once,
    // with the TV block kept; anything else leaves the list untouched.
    void reorderTakesOnlyAPermutationKeepingTheBlocks_data()
    {
        QTest::addColumn<QString>("order"); // names; "X" is a channel the list lacks
        QTest::addColumn<bool>("taken");
        QTest::addRow("two swapped") << u"T1 T0 R0 R1"_s << true;
        QTest::addRow("unchanged") << u"T0 T1 R0 R1"_s << true;
        QTest::addRow("TV into the radio block") << u"T0 R0 T1 R1"_s << false;
        QTest::addRow("one twice") << u"T0 T1 R0 R0"_s << false;
        QTest::addRow("a stranger") << u"T0 T1 R0 X"_s << false;
        QTest::addRow("one missing") << u"T0 T1 R0"_s << false;
    }
    void reorderTakesOnlyAPermutationKeepingTheBlocks()
    {
        QFETCH(QString, order);
        QFETCH(bool, taken);
        ChannelPool pool;
        ChannelList list;
        const QList<Channel *> channels { pool.make(u"T0"_s), pool.make(u"T1"_s), pool.make(u"R0"_s),
            pool.make(u"R1"_s) };
        fill(list, true, channels);
        Channel *stranger = pool.make(u"X"_s);
        QList<Channel *> wanted;
        for (const QString &name : order.split(u' '))
            for (Channel *channel : channels + QList<Channel *> { stranger })
                if (channel->name() == name)
                    wanted.append(channel);
        QCOMPARE(list.reorder(wanted), taken);
        QCOMPARE(check(list), taken ? order : u"T0 T1 R0 R1"_s);
        QCOMPARE(list.takeModified(), taken && order != u"T0 T1 R0 R1");
    }
};

QTEST_GUILESS_MAIN(TestChannelList)
#include "tst_channellist.moc"
