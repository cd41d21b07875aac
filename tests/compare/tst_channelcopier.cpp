#include "compare/channelcopier.h"
#include "compare/settingscomparison.h"
#include "demosettingsbuilder.h"
#include "kelmoratestimage.h"
#include "model/channel.h"
#include "model/favoritegroup.h"
#include "model/provider.h"
#include "model/satellite.h"
#include "model/transponder.h"
#include "testsettings.h"

#include <QSignalSpy>
#include <QTest>

namespace {

std::unique_ptr<Settings> demo()
{
    return loadBytes(DemoSettingsBuilder::demoFile(DemoSettingsBuilder::Model::KelmoraHD));
}

QList<CopiedChannel> copiesOf(const QList<Channel *> &channels)
{
    QList<CopiedChannel> copies;
    for (const Channel *channel : channels)
        copies.append(CopiedChannel::of(*channel));
    return copies;
}

QString counts(const Settings &settings)
{
    return QStringLiteral("%1/%2/%3/%4")
        .arg(settings.satellites().size())
        .arg(settings.transponders().size())
        .arg(settings.providers().size())
        .arg(settings.channels().size());
}

int count(const SettingsComparison &comparison, Difference::Kind kind, int type)
{
    return int(std::count_if(comparison.differences().cbegin(), comparison.differences().cend(),
        [&](const Difference &d) { return d.kind == kind && d.type == type; }));
}

QString describe(const SettingsComparison &comparison)
{
    QStringList lines;
    for (const Difference &d : comparison.differences())
        lines.append(Difference::kindKey(d.kind) + u' ' + Editable::typeKey(d.type) + u' ' + d.label + u' '
            + d.changesText());
    return lines.join(u'\n');
}

} // namespace

class TestChannelCopier : public QObject
{
    Q_OBJECT

private slots:
    // Every channel into an empty file: what they need is created once,
    // the saved file holds the same channels, and a second copy skips all.
    void wholeFileIntoEmptyOne()
    {
        const std::unique_ptr<Settings> there = demo();
        const std::unique_ptr<Settings> here
            = DemoSettingsBuilder::createBlank(DemoSettingsBuilder::Model::KelmoraHD);
        QVERIFY(there && here);
        // Through the payload between two editors, as a drag would bring them.
        const QList<CopiedChannel> copies
            = CopiedChannel::decode(CopiedChannel::encode(copiesOf(there->channels())));
        QCOMPARE(copies.size(), there->channels().size());

        QSignalSpy announced(here.get(), &Settings::updatedChannelList);
        const CopyOutcome outcome = ChannelCopier(*here).copy(copies);
        QVERIFY2(outcome.ok(), qPrintable(outcome.error));
        QCOMPARE(outcome.copied, int(copies.size()));
        QCOMPARE(announced.count(), 1);

        const std::unique_ptr<Settings> saved = loadBytes(saveBytes(here.get()));
        QVERIFY(saved);
        const SettingsComparison comparison(*saved, *there);
        // Groups are not copied, and the other file's unused transponders stay behind.
        for (int type : { int(ChannelType), int(TransponderType), int(SatelliteType) })
            for (Difference::Kind kind : { Difference::Kind::OnlyHere, Difference::Kind::Changed })
                QVERIFY2(count(comparison, kind, type) == 0, qPrintable(describe(comparison)));
        QCOMPARE(count(comparison, Difference::Kind::OnlyThere, ChannelType), 0);
        QVERIFY(!describe(comparison).contains(QLatin1String("position")));

        const QString before = counts(*here);
        const CopyOutcome again = ChannelCopier(*here).copy(copies);
        QCOMPARE(again.copied, 0);
        QCOMPARE(again.skipped, int(copies.size()));
        QCOMPARE(counts(*here), before);
    }

    void reuseOrCreate_data()
    {
        QTest::addColumn<int>("frequencyShift");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("provider");
        QTest::addColumn<QString>("added"); // satellites/transponders/providers/channels
        QTest::addRow("all reused") << 0 << -1 << QString() << QStringLiteral("0/0/0/1");
        QTest::addRow("new transponder, satellite reused")
            << 1 << -1 << QString() << QStringLiteral("0/1/0/1");
        QTest::addRow("new satellite and transponder") << 0 << 1234 << QString() << QStringLiteral("1/1/0/1");
        QTest::addRow("new provider") << 0 << -1 << QStringLiteral("Brand New") << QStringLiteral("0/0/1/1");
    }
    void reuseOrCreate()
    {
        const std::unique_ptr<Settings> here = demo();
        QVERIFY(here);
        CopiedChannel copy = CopiedChannel::of(*here->channels().at(0));
        copy.serviceId = 4321;
        copy.name = QStringLiteral("Copied");
        QFETCH(int, frequencyShift);
        QFETCH(int, position);
        QFETCH(QString, provider);
        copy.tuning->frequency += frequencyShift;
        if (position >= 0) {
            copy.tuning->satellite->position = quint16(position);
            copy.tuning->satellite->name = QStringLiteral("Far Away");
        }
        if (!provider.isEmpty())
            copy.providerName = provider;
        const QStringList before = counts(*here).split(u'/');
        QVERIFY(ChannelCopier(*here).copy({ copy }).ok());

        const std::unique_ptr<Settings> saved = loadBytes(saveBytes(here.get()));
        QVERIFY(saved);
        const QStringList after = counts(*saved).split(u'/');
        QStringList added;
        for (int i = 0; i < 4; ++i)
            added.append(QString::number(after.at(i).toInt() - before.at(i).toInt()));
        QTEST(added.join(u'/'), "added");
        const QList<Channel *> all = saved->channels();
        const auto found = std::find_if(
            all.cbegin(), all.cend(), [](const Channel *c) { return c->name() == QLatin1String("Copied"); });
        QVERIFY(found != all.cend());
        const Channel *copied = *found;
        QCOMPARE(copied->transponder()->frequency(), copy.tuning->frequency);
        QCOMPARE(copied->transponder()->satellite()->position(), copy.tuning->satellite->position);
        QCOMPARE(copied->transponder()->satellite()->name(), copy.tuning->satellite->name);
        QCOMPARE(copied->provider()->name(), *copy.providerName);
    }

    // Nothing changes when the copy does not fit, and the reason says what.
    void capacity_data()
    {
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("perGroup");
        QTest::addColumn<int>("satellites");
        QTest::addColumn<bool>("intoGroup");
        QTest::addColumn<QString>("reason");
        const int any = SettingsCapacity::Unlimited;
        QTest::addRow("channels") << 31 << any << any << false << QStringLiteral("at most 31 channels");
        QTest::addRow("group") << any << 1 << any << true << QStringLiteral("group holds at most 1 channels");
        QTest::addRow("satellites") << any << any << 0 << false << QStringLiteral("at most 0 satellites");
    }
    void capacity()
    {
        const std::unique_ptr<Settings> there = demo();
        TestSettings here;
        for (int i = 0; i < 30; ++i)
            here.addChannel(nullptr, new Channel);
        auto *group = new FavoriteGroup;
        here.addFavoriteGroup(group);
        here.addChannel(group, here.channels().at(0));
        SettingsCapacity room;
        QFETCH(int, channels);
        QFETCH(int, perGroup);
        QFETCH(int, satellites);
        room.channels = channels;
        room.channelsPerGroup = perGroup;
        room.satellites = satellites;
        here.setCapacity(room);
        QFETCH(bool, intoGroup);
        QSignalSpy announced(&here, &Settings::updatedChannelList);
        const CopyOutcome outcome
            = ChannelCopier(here).copy(copiesOf(there->channels().mid(0, 2)), intoGroup ? group : nullptr);
        QFETCH(QString, reason);
        QVERIFY2(outcome.error.contains(reason), qPrintable(outcome.error));
        QCOMPARE(counts(here), QStringLiteral("0/0/0/30"));
        QCOMPARE(announced.count(), 0);
    }

    void damagedPayload_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = CopiedChannel::encode(copiesOf(demo()->channels()));
        QTest::addRow("empty") << QByteArray();
        QTest::addRow("cut short") << good.left(good.size() / 2);
        QTest::addRow("trailing bytes") << good + "x";
        QTest::addRow("other version") << QByteArray(4, '\x7f') + good.mid(4);
        QTest::addRow("absurd count") << good.left(4) + QByteArray(4, '\xff') + good.mid(8);
    }
    void damagedPayload()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(CopiedChannel::decode(bytes).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestChannelCopier)
#include "tst_channelcopier.moc"
