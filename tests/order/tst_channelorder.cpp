#include "channel.h"
#include "channelorder.h"
#include "channelsorter.h"
#include "provider.h"
#include "satellite.h"
#include "transponder.h"

#include <QTest>

#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// Owns what a test's channels refer to. A channel named "R..." is radio.
struct Pool
{
    std::vector<std::unique_ptr<QObject>> owned;

    template<typename T> T *make()
    {
        owned.push_back(std::make_unique<T>());
        return static_cast<T *>(owned.back().get());
    }
    QList<Channel *> channels(const QString &names)
    {
        QList<Channel *> list;
        for (const QString &name : names.split(u' ', Qt::SkipEmptyParts)) {
            auto *channel = make<Channel>();
            channel->setName(name);
            channel->setServiceType(name.startsWith(u'R') ? 1 : 0);
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
    return names.join(u' ');
}

QSet<Channel *> pick(const QList<Channel *> &channels, const QString &names)
{
    const QStringList wanted = names.split(u' ', Qt::SkipEmptyParts);
    QSet<Channel *> picked;
    for (Channel *channel : channels)
        if (wanted.contains(channel->name()))
            picked.insert(channel);
    return picked;
}

} // namespace

class TestChannelOrder : public QObject
{
    Q_OBJECT

private slots:
    // Every operation on a TV-first list (unless the list has no "R"
    // channel): the blocks stay apart, and only the boundary counts as
    // holding a channel back.
    void operationsKeepTheBlocksAndTellWhenHeldBack_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<bool>("tvFirst");
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("clamped");
        const QString five = u"T1 T2 T3 R1 R2"_s;
        QTest::addRow("up one") << five << true << u"up"_s << u"T2"_s << 0 << u"T2 T1 T3 R1 R2"_s << false;
        QTest::addRow("up, apart, first row stays")
            << five << true << u"up"_s << u"T1 T3 R2"_s << 0 << u"T1 T3 T2 R2 R1"_s << false;
        QTest::addRow("up, run keeps its shape")
            << u"T1 T2 T3 T4"_s << true << u"up"_s << u"T3 T4"_s << 0 << u"T1 T3 T4 T2"_s << false;
        QTest::addRow("up into the TV block") << five << true << u"up"_s << u"R1"_s << 0 << five << true;
        QTest::addRow("down out of the TV block")
            << five << true << u"down"_s << u"T3"_s << 0 << five << true;
        QTest::addRow("down, run") << five << true << u"down"_s << u"T1 T2"_s << 0 << u"T3 T1 T2 R1 R2"_s
                                   << false;
        QTest::addRow("down, last row") << five << true << u"down"_s << u"R2"_s << 0 << five << false;
        QTest::addRow("up without TV-first")
            << u"T1 R1 T2"_s << false << u"up"_s << u"T2"_s << 0 << u"T1 T2 R1"_s << false;
        QTest::addRow("top of each block")
            << five << true << u"top"_s << u"T3 R2"_s << 0 << u"T3 T1 T2 R2 R1"_s << false;
        QTest::addRow("bottom of each block")
            << five << true << u"bottom"_s << u"T1 R1"_s << 0 << u"T2 T3 T1 R2 R1"_s << false;
        QTest::addRow("position in the block")
            << five << true << u"position"_s << u"T1 T2"_s << 1 << u"T3 T1 T2 R1 R2"_s << false;
        QTest::addRow("position across, TV")
            << five << true << u"position"_s << u"T1"_s << 4 << u"T2 T3 T1 R1 R2"_s << true;
        QTest::addRow("position across, radio")
            << five << true << u"position"_s << u"R2"_s << 0 << u"T1 T2 T3 R2 R1"_s << true;
        QTest::addRow("position past the end")
            << five << true << u"position"_s << u"R1"_s << 99 << u"T1 T2 T3 R2 R1"_s << false;
        QTest::addRow("position, all TV")
            << u"T1 T2 T3"_s << true << u"position"_s << u"T1"_s << 99 << u"T2 T3 T1"_s << false;
        QTest::addRow("reverse within each block")
            << five << true << u"reverse"_s << u"T1 T3 R1 R2"_s << 0 << u"T3 T2 T1 R2 R1"_s << true;
        QTest::addRow("reverse apart") << u"T1 T2 T3 T4 T5"_s << true << u"reverse"_s << u"T1 T2 T5"_s << 0
                                       << u"T5 T2 T3 T4 T1"_s << false;
    }
    void operationsKeepTheBlocksAndTellWhenHeldBack()
    {
        QFETCH(QString, list);
        QFETCH(bool, tvFirst);
        QFETCH(QString, operation);
        QFETCH(QString, selected);
        QFETCH(int, position);
        QFETCH(QString, expected);
        QFETCH(bool, clamped);
        Pool pool;
        const QList<Channel *> channels = pool.channels(list);
        const int tv
            = int(std::count_if(channels.cbegin(), channels.cend(), [](Channel *c) { return c->isTv(); }));
        const ChannelOrder order(channels, tv, tvFirst);
        const QSet<Channel *> set = pick(channels, selected);
        const ChannelOrder::Result result = operation == u"up" ? order.movedUp(set)
            : operation == u"down"                             ? order.movedDown(set)
            : operation == u"top"                              ? order.movedToTop(set)
            : operation == u"bottom"                           ? order.movedToBottom(set)
            : operation == u"position"                         ? order.movedToPosition(set, position)
                                                               : order.reversed(set);
        QCOMPARE(namesOf(result.channels), expected);
        QCOMPARE(result.clamped, clamped);
    }

    // A sort hands its order to arranged(): the channels take the places
    // they hold, each block for itself, and a repeated or foreign channel
    // can neither take two places nor push one out.
    void arrangedFillsTheHeldPlacesOnly()
    {
        Pool pool;
        const QList<Channel *> channels = pool.channels(u"T1 T2 T3 R1 R2"_s);
        const ChannelOrder order(channels, 3, true);
        Channel *stranger = pool.channels(u"T9"_s).first();
        const ChannelOrder::Result result
            = order.arranged({ channels.at(4), channels.at(2), stranger, channels.at(2), channels.at(0) });
        QCOMPARE(namesOf(result.channels), u"T3 T2 T1 R1 R2"_s);
        QVERIFY(result.clamped);
        QVERIFY(!order.arranged({ channels.at(1), channels.at(0) }).clamped);
    }

    void namesCompareBlindToCaseAndAccentsWithNumbersByValue_data()
    {
        QTest::addColumn<QString>("names");
        QTest::addColumn<QString>("sorted");
        QTest::addRow("numbers by value") << u"Sky_10 Sky_2 Sky_1"_s << u"Sky_1 Sky_2 Sky_10"_s;
        QTest::addRow("case and accents blind, ties stay")
            << u"zdf Ärte arte_1 ARTE Arte"_s << u"Ärte ARTE Arte arte_1 zdf"_s;
        QTest::addRow("leading zeros") << u"a010 a9 a007"_s << u"a007 a9 a010"_s;
        QTest::addRow("digits before letters") << u"b a1 a"_s << u"a a1 b"_s;
    }
    void namesCompareBlindToCaseAndAccentsWithNumbersByValue()
    {
        QFETCH(QString, names);
        QFETCH(QString, sorted);
        Pool pool;
        const QList<Channel *> channels = pool.channels(names);
        for (Channel *channel : channels)
            channel->setName(channel->name().replace(u'_', u' '));
        QCOMPARE(namesOf(ChannelSorter::sorted(channels, ChannelSorter::ByName)), sorted.replace(u'_', u' '));
    }

    // Channels lacking what a key sorts by come last, in their order.
    void keysSortByTheirFieldsAndPutAbsentOnesLast_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("sorted");
        QTest::addRow("satellite, then frequency")
            << int(ChannelSorter::BySatelliteAndFrequency) << u"c b a d"_s;
        QTest::addRow("provider, then name") << int(ChannelSorter::ByProviderAndName) << u"b c a d"_s;
        QTest::addRow("service id") << int(ChannelSorter::ByServiceId) << u"d c a b"_s;
    }
    void keysSortByTheirFieldsAndPutAbsentOnesLast()
    {
        QFETCH(int, key);
        QFETCH(QString, sorted);
        Pool pool;
        const QList<Channel *> channels = pool.channels(u"a b c d"_s);
        const auto transponder = [&pool](const char *satellite, quint16 frequency) {
            auto *t = pool.make<Transponder>();
            t->setSatellite(pool.make<Satellite>());
            t->satellite()->setName(QString::fromUtf8(satellite));
            t->setFrequency(frequency);
            return t;
        };
        auto *zdf = pool.make<Provider>();
        zdf->setName(u"zdf"_s);
        auto *ard = pool.make<Provider>();
        ard->setName(u"ARD"_s);
        channels.at(0)->setTransponder(transponder("Hot Bird", 12000));
        channels.at(1)->setTransponder(transponder("Hot Bird", 11000));
        channels.at(2)->setTransponder(transponder("Astra 2", 12500));
        channels.at(0)->setProvider(zdf);
        channels.at(1)->setProvider(ard);
        channels.at(2)->setProvider(ard);
        const quint16 ids[] = { 300, 4000, 20, 1 };
        for (int i = 0; i < 4; ++i)
            channels.at(i)->setServiceId(ids[i]);
        QCOMPARE(namesOf(ChannelSorter::sorted(channels, ChannelSorter::Key(key))), sorted);
    }
};

QTEST_GUILESS_MAIN(TestChannelOrder)
#include "tst_channelorder.moc"
