#include "demosettingsbuilder.h"
#include "formats/kelmoranamecodec.h"
#include "formats/settingskelmora.h"
#include "formats/settingskelmora2xx.h"
#include "formats/settingskelmorahd.h"
#include "kelmoratestimage.h"
#include "model/channel.h"
#include "model/favoritegroup.h"
#include "model/provider.h"
#include "model/satellite.h"
#include "model/transponder.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

#include <functional>

Q_DECLARE_METATYPE(const TestModel *)
using Edit = std::function<void(QByteArray &)>;
Q_DECLARE_METATYPE(Edit)

namespace {

// A small image of every table: two satellites, three transponders, two
// providers, three channels (two TV) and one favourite group.
TestImage smallImage(const TestModel &m)
{
    TestImage image(m);
    image.setWord(m.satelliteCount, 2);
    image.setWord(m.transponderCount, 3);
    image.setWord(m.providerCount, 2);
    image.setWord(m.channelCount, 3);
    image.setWord(m.tvCount, 2);
    for (int s = 0; s < 2; ++s) {
        image.setWords(m.satellite(s), { s, 192 + s });
        image.setBytes(m.satellite(s) + 4, s == 0 ? QByteArray("Astra") : QByteArray("Hotbird"));
        image.setWords(m.satellite(s) + 20, { s == 0 ? 2 : 1, 9750, 10600 });
    }
    const int satelliteOf[3] = { 0, 0, 1 };
    for (int t = 0; t < 3; ++t) {
        image.setByte(m.transponder(t), satelliteOf[t]);
        image.setByte(m.transponder(t) + 2, t % 2);
        image.setWords(m.transponder(t) + 10, { 11000 + t, 27500 });
    }
    image.setBytes(m.provider(0), QByteArray("ARD"));
    image.setBytes(m.provider(1), QByteArray("ZDF"));
    for (int c = 0; c < 3; ++c) {
        image.setWords(m.channel(c), { 100 + c, c % 2, c });
        image.setBytes(m.channel(c) + m.nameOffset, QByteArray("Chan") + char('A' + c));
    }
    image.setBytes(m.favorite(0), QByteArray("News"));
    image.setWords(m.favorite(0) + 16, { 0, 2 });
    image.setWords(m.favorite(0) + 816, { 1, 2 });
    return image;
}

// "ΣΚΑΪ ΕΙΔΗΣΕΙΣ Α" in ISO 8859-7, which UTF-8 would cut to seven letters.
const QByteArray greekTwin("\x03\xd3\xca\xc1\xda\x20\xc5\xc9\xc4\xc7\xd3\xc5\xc9\xd3\x20\xc1");

enum Kind { Satellites, Transponders, Providers, Channels, Groups, GroupChannels, Kinds };

// Adds objects of one kind until the store holds count of them; group
// channels go into the first group, taken from the main list.
void fillTo(Settings *s, Kind kind, int count)
{
    switch (kind) {
    case Satellites:
        while (s->satellites().size() < count)
            s->addSatellite(new Satellite);
        break;
    case Transponders:
        while (s->transponders().size() < count)
            s->addTransponder(new Transponder);
        break;
    case Providers:
        // Named apart, or the save would merge them.
        while (s->providers().size() < count) {
            auto *provider = new Provider;
            provider->setName(QString::number(s->providers().size()));
            s->addProvider(provider);
        }
        break;
    case Channels:
        while (s->mainChannelList().count() < count)
            s->addChannel(nullptr, new Channel);
        break;
    case Groups:
        while (s->favoriteGroups().size() < count)
            s->addFavoriteGroup(new FavoriteGroup);
        break;
    default: {
        FavoriteGroup *group = s->favoriteGroups().at(0);
        for (int i = 0; s->channelsOf(group).size() < count; ++i)
            s->addChannel(group, s->mainChannelList().at(i));
        break;
    }
    }
}

} // namespace

// Which files are taken for which receiver; records read from and written to
// the exact offsets of both models, with the references between the tables.
// Every test runs for both models.
class TestSettingsKelmora : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase_data()
    {
        QTest::addColumn<const TestModel *>("model");
        QTest::addRow("2XX") << &model2XX;
        QTest::addRow("HD") << &modelHD;
    }

    void recognisesByMagicAndExactSize_data()
    {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<bool>("recognised");
        QTest::addRow("as built") << Edit([](QByteArray &) {}) << true;
        QTest::addRow("one byte long") << Edit([](QByteArray &b) { b.append('\0'); }) << false;
        QTest::addRow("one byte short") << Edit([](QByteArray &b) { b.chop(1); }) << false;
        QTest::addRow("magic differs in one byte") << Edit([](QByteArray &b) { b[7] = 'X'; }) << false;
        QTest::addRow("magic cut by a NUL") << Edit([](QByteArray &b) { b[7] = '\0'; }) << false;
        QTest::addRow("shorter than the magic") << Edit([](QByteArray &b) { b = "DIZO"; }) << false;
        QTest::addRow("empty file") << Edit([](QByteArray &b) { b.clear(); }) << false;
    }

    void recognisesByMagicAndExactSize()
    {
        QFETCH_GLOBAL(const TestModel *, model);
        QFETCH(Edit, edit);
        QFETCH(bool, recognised);
        QByteArray bytes = TestImage(*model).bytes;
        edit(bytes);
        auto settings = loadBytes(bytes);
        const char *taken = dynamic_cast<SettingsKelmora2XX *>(settings.get()) ? "2XX"
            : dynamic_cast<SettingsKelmoraHD *>(settings.get())                ? "HD"
            : settings                                                         ? "other"
                                                                               : "";
        QCOMPARE(QLatin1String(taken), QLatin1String(recognised ? model->name : ""));
        if (settings) {
            QCOMPARE(settings->favoriteGroups().size(), 9);
            QVERIFY(settings->rules().tvFirst && settings->rules().sortedTransponders);
        }
    }

    void recordsAtTheirOffsets()
    {
        QFETCH_GLOBAL(const TestModel *, model);
        const TestModel &m = *model;
        TestImage image = smallImage(m);
        image.setWord(m.satellite(1) + 32, 0x0116); // the high byte is not part of the code
        image.setBytes(m.satellite(1) + 26, QByteArray("\x05\x02\x01\x07"));
        image.setWords(m.transponder(2) + 4, { 1001, 1002, 1003 });
        image.setWords(m.channel(2) + 6, { 511, 512, 513 });
        if (m.pmtPidOffset >= 0)
            image.setWord(m.channel(2) + m.pmtPidOffset, 514);
        image.setWord(m.channel(2) + m.flagsOffset, 0x0021);
        // The same flags as the third channel: an edit of one must not reach the other.
        image.setWord(m.channel(1) + m.flagsOffset, 0x0021);
        // Unknown codes, and flags above bit 5.
        image.setBytes(m.satellite(0) + 26, QByteArray("\x09\x03\x02"));
        image.setByte(m.satellite(0) + 32, 0x0A);
        image.setByte(m.transponder(0) + 2, 2);
        image.setWord(m.channel(0) + m.flagsOffset, 0xFFC3);
        // References beyond the tables of two satellites and two providers.
        image.setByte(m.transponder(1), 2);
        image.setWord(m.channel(1) + 2, 2);
        image.setWord(m.channel(1) + 4, 0xFFFF);

        auto settings = loadBytes(image.bytes);
        QVERIFY(settings);
        QCOMPARE(settings->satellites().size(), 2);
        Satellite *astra = settings->satellites().at(0);
        Satellite *hotbird = settings->satellites().at(1);
        QCOMPARE(hotbird->name(), QStringLiteral("Hotbird"));
        QCOMPARE((QList<int> { hotbird->position(), hotbird->lowLof(), hotbird->highLof(), hotbird->diseqc(),
                     hotbird->tone(), hotbird->diseqc12(), hotbird->diseqc12Position(), hotbird->diseqc11(),
                     hotbird->keepLast() }),
            (QList<int> { 193, 9750, 10600, 5, 2, 1, 7, 0x16, 1 }));
        QCOMPARE((QList<int> { astra->diseqc(), astra->tone(), astra->diseqc12(), astra->diseqc11(),
                     astra->keepLast() }),
            (QList<int> { 0, 0, 0, 0, 0 }));

        const QList<Transponder *> transponders = settings->transponders();
        QCOMPARE(transponders.size(), 3);
        Transponder *third = transponders.at(2);
        QVERIFY(third->satellite() == hotbird && !transponders.at(1)->satellite());
        QCOMPARE((QList<int> { transponders.at(0)->polarization(), transponders.at(1)->polarization(),
                     third->polarization(), third->transportStreamId(), third->networkId(),
                     third->originalNetworkId(), third->frequency(), third->symbolRate() }),
            (QList<int> { 0, 1, 0, 1001, 1002, 1003, 11002, 27500 }));

        const ChannelList &channels = settings->mainChannelList();
        QCOMPARE(channels.count(), 3);
        Channel *channel = channels.at(2);
        QCOMPARE(channel->name(), QStringLiteral("ChanC"));
        QCOMPARE(channel->provider()->name(), QStringLiteral("ARD"));
        QCOMPARE(channel->transponder(), third);
        QCOMPARE(
            (QList<int> { channel->serviceId(), channel->videoPid(), channel->audioPid(), channel->pcrPid(),
                channel->pmtPid(), channels.at(0)->isTv(), channels.at(1)->isTv(), channel->isTv() }),
            (QList<int> { 102, 511, 512, 513, m.pmtPidOffset >= 0 ? 514 : 0, 1, 1, 0 }));
        QCOMPARE(channel->flags(), (QSet<int> { 1, 32 }));
        QCOMPARE(channels.at(0)->flags(), (QSet<int> { 1, 2 }));
        QVERIFY(!channels.at(1)->provider() && !channels.at(1)->transponder());

        // Values outside the tables are written as 0, missing references as all ones.
        astra->setDiseqc(42);
        astra->setTone(-1);
        astra->setDiseqc11(0x0B);
        transponders.at(0)->setPolarization(7);
        channels.at(0)->setFlag(64, true);
        channels.at(1)->setFlag(32, false);
        const QByteArray saved = saveBytes(settings.get());
        QCOMPARE(saved.size(), m.fileSize);
        QCOMPARE(
            wordsIn(saved,
                { m.satellite(1) + 32, m.channel(2) + m.flagsOffset, m.channel(2) + 2, m.channel(2) + 4 }),
            (QList<int> { 0x0016, 0x0021, 0, 2 }));
        QCOMPARE((QList<int> { wordIn(saved, m.satellite(0) + 26), wordIn(saved, m.satellite(0) + 32),
                     saved.at(m.transponder(0) + 2), wordIn(saved, m.channel(0) + m.flagsOffset) }),
            (QList<int> { 0, 0, 0, 0x0003 }));
        QCOMPARE((QList<int> { quint8(saved.at(m.transponder(1))), wordIn(saved, m.channel(1) + 2),
                     wordIn(saved, m.channel(1) + 4), wordIn(saved, m.channel(1) + m.flagsOffset) }),
            (QList<int> { 0xFF, 0xFFFF, 0xFFFF, 0x0001 }));
    }

    // Twin providers: two names read through a national table that differ
    // only where a fresh UTF-8 encoding of them would be cut.
    void canonicalFileIsSavedByteForByte_data()
    {
        QTest::addColumn<QByteArray>("twin");
        QTest::addRow("selectors of every form") << QByteArray();
        QTest::addRow("Greek twins of 15 letters") << greekTwin;
        QTest::addRow("Cyrillic twins") << QByteArray("\x01\xbf\xd5\xe0\xd2\xeb\xd9 \xda\xd0\xdd\xd0\xdb 1");
        QTest::addRow("Big5 twins of 7 characters")
            << QByteArray("\x14\xa4\xa4\xb5\xd8\xb9q\xb5\xf8\xb7s\xbb\x44\xa5x");
        QTest::addRow("Latin twins") << QByteArray("\x05\xdeow TV Haber 01");
    }
    void canonicalFileIsSavedByteForByte()
    {
        QFETCH_GLOBAL(const TestModel *, model);
        QFETCH(QByteArray, twin);
        const TestModel &m = *model;
        TestImage image = smallImage(m);
        if (!twin.isEmpty()) {
            // Each twin carries a channel of its own.
            image.setWord(m.providerCount, 4);
            image.setBytes(m.provider(2), twin);
            image.setBytes(m.provider(3), twin.chopped(1) + char(twin.back() + 1));
            image.setWord(m.channel(1) + 2, 2);
            image.setWord(m.channel(2) + 2, 3);
        }
        // Names through national tables and every other selector form must come
        // back as the very bytes they were read from.
        const QByteArray cyrillic
            = QByteArray("\x01") + QByteArray("\xbf\xe0\xd8\xd2\xd5\xe2\xe1\xe2\xd2\xd8\xd5", 11);
        image.setBytes(m.satellite(0) + 4, cyrillic);
        image.setBytes(m.provider(0), QByteArray("\x03\xc5\xeb\xeb\xe7\xed\xe9\xea\xdc", 9));
        image.setBytes(m.provider(1), QByteArray("\x10\x00\x05\xdd\xf0", 5));
        image.setBytes(m.channel(0) + m.nameOffset, QByteArray("\x00Plain", 6));
        image.setBytes(m.favorite(0), QByteArray("\x15\xd0\x96\xd0", 4)); // a UTF-8 sequence cut short
        image.setBytes(m.favorite(1), QByteArray("\x14\xa4\x40", 3));
        // Bytes 34-35 of a satellite and 14-15 of a transponder are the file's own.
        image.setWord(m.satellite(0) + 34, 0xBEEF);
        image.setWord(m.transponder(1) + 14, 0xCAFE);
        for (int i = 8; i < m.satelliteCount; ++i)
            image.setByte(i, i * 7);
        image.setWord(m.providerCount + 2, 0x5A5A);

        auto settings = loadBytes(image.bytes);
        QVERIFY(settings);
        QCOMPARE(settings->satellites().at(0)->name(), QString::fromUtf8("Приветствие"));
        QCOMPARE(settings->providers().at(0)->name(), QString::fromUtf8("Ελληνικά"));
        QCOMPARE(settings->mainChannelList().at(0)->name(), QStringLiteral("Plain"));
        QCOMPARE(settings->providers().size(), twin.isEmpty() ? 2 : 4);
        const QByteArray saved = saveBytes(settings.get());
        QCOMPARE(saved.size(), image.bytes.size());
        for (int i = 0; i < saved.size(); ++i) {
            if (saved.at(i) != image.bytes.at(i))
                QFAIL(qPrintable(QStringLiteral("byte 0x%1 changed").arg(i, 0, 16)));
        }
    }

    void countsBeyondCapacityAreClipped()
    {
        QFETCH_GLOBAL(const TestModel *, model);
        const TestModel &m = *model;
        TestImage image(m);
        for (int count : { m.satelliteCount, m.transponderCount, m.providerCount, m.channelCount, m.tvCount,
                 m.favorite(0) + 818 })
            image.setWord(count, 0xFFFF);

        auto settings = loadBytes(image.bytes);
        QVERIFY(settings);
        // All providers are named alike (empty) and merge into one; the group's
        // 400 entries all name channel 0.
        QCOMPARE((QList<qsizetype> { settings->satellites().size(), settings->transponders().size(),
                     settings->providers().size(), settings->mainChannelList().count(),
                     settings->mainChannelList().tvCount(), settings->favoriteGroups().size(),
                     settings->channelsOf(settings->favoriteGroups().at(0)).size() }),
            (QList<qsizetype> { m.satelliteMax, m.transponderMax, 1, m.channelMax, m.channelMax, 9, 1 }));
        QCOMPARE(wordsIn(saveBytes(settings.get()), { m.satelliteCount, m.channelCount, m.providerCount }),
            (QList<int> { m.satelliteMax, m.channelMax, 1 }));
    }

    void favoriteGroupEntriesAreCheckedAndWrittenTvFirst()
    {
        QFETCH_GLOBAL(const TestModel *, model);
        const TestModel &m = *model;
        TestImage image = smallImage(m);
        // Group 1: radio channel 2, an entry beyond the table, a repeat, TV 1.
        const int base = m.favorite(1);
        image.setWords(base + 16, { 2, 3, 2, 1 });
        image.setWords(base + 816, { 99, 4 }); // the TV count is not trusted on load

        auto settings = loadBytes(image.bytes);
        QVERIFY(settings);
        const QList<FavoriteGroup *> groups = settings->favoriteGroups();
        QCOMPARE(groups.size(), 9);
        const ChannelList &channels = settings->mainChannelList();
        QCOMPARE(settings->channelsOf(groups.at(0)), (QList<Channel *> { channels.at(0), channels.at(2) }));
        QCOMPARE(settings->channelsOf(groups.at(1)), (QList<Channel *> { channels.at(1), channels.at(2) }));
        QCOMPARE(groups.at(2)->name(), QString());
        QVERIFY(settings->channelsOf(groups.at(2)).isEmpty());

        const QByteArray saved = saveBytes(settings.get());
        QCOMPARE(
            wordsIn(saved, { base + 16, base + 18, base + 816, base + 818 }), (QList<int> { 1, 2, 1, 2 }));
        QCOMPARE(saved.mid(base + 20, 796), QByteArray(796, '\0'));
        QCOMPARE(saved.mid(m.favorite(2), 820), QByteArray(820, '\0'));
    }

    void referencesFollowDeletions()
    {
        QFETCH_GLOBAL(const TestModel *, model);
        const TestModel &m = *model;
        TestImage image = smallImage(m);
        // Channel 2 sits on transponder 2 of satellite 1; group 0 holds channel 2.
        image.setWord(m.favorite(0) + 16, 2);
        image.setWord(m.favorite(0) + 818, 1);
        // Stale bytes in records that the save rewrites.
        image.setWord(m.satellite(0) + 20, 77);
        image.setByte(m.satellite(0) + 30, 0x33);
        image.setWord(m.satellite(0), 9);
        auto settings = loadBytes(image.bytes);
        QVERIFY(settings);
        Channel *survivor = settings->mainChannelList().at(2);

        // Satellite 0 takes transponders 0 and 1 with channels 0 and 1.
        settings->removeSatellites({ settings->satellites().at(0) });
        QCOMPARE(settings->mainChannelList().count(), 1);
        QCOMPARE(settings->mainChannelList().at(0), survivor);

        const QByteArray saved = saveBytes(settings.get());
        // The counts, the moved satellite's rewritten record, and the references
        // of the transponder, the channel and the group.
        QCOMPARE((QList<int> { wordIn(saved, m.satelliteCount), wordIn(saved, m.transponderCount),
                     wordIn(saved, m.channelCount), wordIn(saved, m.tvCount), wordIn(saved, m.satellite(0)),
                     wordIn(saved, m.satellite(0) + 20), saved.at(m.satellite(0) + 30),
                     saved.at(m.transponder(0)), wordIn(saved, m.channel(0) + 4),
                     wordIn(saved, m.favorite(0) + 16), wordIn(saved, m.favorite(0) + 818) }),
            (QList<int> { 1, 1, 1, 0, 0, 1, 0, 0, 0, 0, 1 }));
        QCOMPARE(saved.mid(m.satellite(1), 36), QByteArray(36, '\0'));
        QCOMPARE(saved.mid(m.transponder(1), 16), QByteArray(16, '\0'));
        QCOMPARE(saved.mid(m.channel(1), 32), QByteArray(32, '\0'));
    }

    // A save clears only the slots that may still hold bytes: those of the
    // loaded image beyond its counts, then those the previous save wrote.
    void slotsFreedSinceTheLastSaveAreCleared()
    {
        QFETCH_GLOBAL(const TestModel *, model);
        const TestModel &m = *model;
        TestImage image = smallImage(m);
        // Bytes beyond the counts, down to the last slot of each table.
        image.setWord(m.satellite(m.satelliteMax - 1) + 2, 0x1234);
        image.setWord(m.transponder(m.transponderMax - 1) + 10, 0x1234);
        image.setBytes(m.provider(m.providerMax - 1), QByteArray("Stale"));
        image.setWord(m.channel(m.channelMax - 1), 0x1234);
        auto settings = loadBytes(image.bytes);
        QVERIFY(settings);
        const QByteArray first = saveBytes(settings.get());
        QCOMPARE(first.mid(m.satellite(m.satelliteMax - 1), 36), QByteArray(36, '\0'));
        QCOMPARE(first.mid(m.transponder(m.transponderMax - 1), 16), QByteArray(16, '\0'));
        QCOMPARE(first.mid(m.provider(m.providerMax - 1), 16), QByteArray(16, '\0'));
        QCOMPARE(first.mid(m.channel(m.channelMax - 1), 32), QByteArray(32, '\0'));

        // The first satellite takes two transponders and two channels along.
        settings->removeSatellites({ settings->satellites().at(0) });
        settings->removeProviders({ settings->providers().at(1) });
        const QByteArray second = saveBytes(settings.get());
        QCOMPARE(second.mid(m.satellite(1), 36), QByteArray(36, '\0'));
        QCOMPARE(second.mid(m.transponder(1), 32), QByteArray(32, '\0'));
        QCOMPARE(second.mid(m.provider(1), 16), QByteArray(16, '\0'));
        QCOMPARE(second.mid(m.channel(1), 64), QByteArray(64, '\0'));
        // A store that never saw the removed records writes the same bytes.
        auto reloaded = loadBytes(second);
        QVERIFY(reloaded);
        QCOMPARE(saveBytes(reloaded.get()), second);
    }

    void newObjectsAtFreedAddressesGetFreshNames()
    {
        // Greek names in the ISO 8859-7 form, which a new name never gets.
        QFETCH_GLOBAL(const TestModel *, model);
        const TestModel &m = *model;
        constexpr int Providers = 12;
        TestImage image(m);
        image.setWord(m.providerCount, Providers);
        for (int p = 0; p < Providers; ++p)
            image.setBytes(m.provider(p), QByteArray("\x03\xc1\xc2") + char(0xc3 + p));
        auto settings = loadBytes(image.bytes);
        QVERIFY(settings);
        QHash<quint64, QByteArray> fieldById;
        for (int p = 0; p < Providers; ++p)
            fieldById.insert(settings->providers().at(p)->id(), image.bytes.mid(m.provider(p), 16));

        // Each freed provider is followed at once by a new one with the
        // text of an earlier victim, likely at the same address.
        QRandomGenerator random(7);
        QStringList freedNames;
        for (int step = 0; step < 40; ++step) {
            const QList<Provider *> providers = settings->providers();
            Provider *victim = providers.at(int(random.bounded(int(providers.size()))));
            freedNames.append(victim->name());
            settings->removeProviders({ victim });
            auto *provider = new Provider;
            provider->setName(freedNames.takeAt(int(random.bounded(int(freedNames.size())))));
            settings->addProvider(provider);
        }
        const QByteArray saved = saveBytes(settings.get());
        QVERIFY(!saved.isEmpty());
        const QList<Provider *> providers = settings->providers();
        for (int p = 0; p < providers.size(); ++p) {
            const Provider *provider = providers.at(p);
            const QByteArray expected
                = fieldById.value(provider->id(), KelmoraNameCodec::encode(provider->name(), 16));
            QCOMPARE(saved.mid(m.provider(p), 16).toHex(), expected.toHex());
        }
    }

    // Providers added, each with a channel, to the read Greek twins: the same
    // name joins, and so does the same name as the file will give it back,
    // one likeness leading on to the next. A saved file saves unchanged.
    void saveMergesProvidersBySameNameOrSameStoredName_data()
    {
        QTest::addColumn<QString>("added");
        QTest::addColumn<int>("kept");
        QTest::addRow("new names cut alike") << QString::fromUtf8("Первый канал 1|Первый канал 2") << 3;
        // The new B is named like the read B; the last is cut like the new B.
        QTest::addRow("likeness leads on") << QString::fromUtf8("ΣΚΑΪ ΕΙΔΗΣΕΙΣ Β|ΣΚΑΪ ΕΙΔΗΣΕΙΣ Γ") << 2;
    }
    void saveMergesProvidersBySameNameOrSameStoredName()
    {
        QFETCH_GLOBAL(const TestModel *, model);
        QFETCH(QString, added);
        QFETCH(int, kept);
        TestImage image(*model);
        image.setWord(model->providerCount, 2);
        image.setBytes(model->provider(0), greekTwin);
        image.setBytes(model->provider(1), greekTwin.chopped(1) + '\xc2');
        auto settings = loadBytes(image.bytes);
        for (const QString &name : added.split(u'|')) {
            auto *channel = new Channel;
            channel->setProvider(new Provider);
            channel->provider()->setName(name);
            settings->addProvider(channel->provider());
            settings->addChannel(nullptr, channel);
        }
        const QByteArray saved = saveBytes(settings.get());
        QCOMPARE(settings->providers().size(), kept);
        for (const Channel *channel : settings->channels())
            QVERIFY(settings->contains(channel->provider()));
        QCOMPARE(saveBytes(loadBytes(saved).get()), saved);
    }

    void saveThatDoesNotFitWritesNothing_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("refusal");
        QTest::addRow("satellites") << int(Satellites) << QStringLiteral("%1 satellites");
        QTest::addRow("transponders") << int(Transponders) << QStringLiteral("%1 transponders");
        QTest::addRow("providers") << int(Providers) << QStringLiteral("%1 providers");
        QTest::addRow("channels") << int(Channels) << QStringLiteral("%1 channels");
        QTest::addRow("favourite groups") << int(Groups) << QStringLiteral("%1 favorite groups");
        QTest::addRow("channels in a group") << int(GroupChannels) << QStringLiteral("holds %1 channels");
        QTest::addRow("every table exactly full") << -1 << QString();
    }

    void saveThatDoesNotFitWritesNothing()
    {
        QFETCH_GLOBAL(const TestModel *, model);
        QFETCH(int, kind);
        QFETCH(QString, refusal);
        auto settings = loadBytes(smallImage(*model).bytes);
        QVERIFY(settings);
        const int limits[Kinds]
            = { model->satelliteMax, model->transponderMax, model->providerMax, model->channelMax, 9, 400 };
        // Every table to its limit, and the one of the row one beyond.
        for (int k = 0; k < Kinds; ++k)
            fillTo(settings.get(), Kind(k), limits[k] + (k == kind ? 1 : 0));
        QTemporaryFile file;
        QVERIFY(file.open() && file.write("previous content") > 0 && file.seek(0));
        const QByteArray imageBefore = static_cast<SettingsKelmora *>(settings.get())->image();
        if (kind < 0) {
            const QByteArray saved = saveBytes(settings.get());
            QVERIFY2(!saved.isEmpty(), qPrintable(settings->errorString()));
            QCOMPARE(wordsIn(saved,
                         { model->satelliteCount, model->transponderCount, model->providerCount,
                             model->channelCount, model->favorite(0) + 818 }),
                (QList<int> { limits[0], limits[1], limits[2], limits[3], limits[5] }));
            return;
        }
        QCOMPARE(settings->save(&file), -1);
        const QString expected = refusal.arg(limits[kind] + 1);
        QVERIFY2(settings->errorString().contains(expected), qPrintable(settings->errorString()));
        QCOMPARE(static_cast<SettingsKelmora *>(settings.get())->image(), imageBefore);
        QVERIFY(file.seek(0));
        QCOMPARE(file.readAll(), QByteArray("previous content"));
    }

    void satelliteMarkedLastIsWrittenLast()
    {
        // Hotbird, last in the file, stays last behind a satellite created
        // after loading; the transponders follow their satellite's new slot,
        // and the bytes no field covers go with their record.
        QFETCH_GLOBAL(const TestModel *, model);
        const TestModel &m = *model;
        TestImage image = smallImage(m);
        image.setWord(m.satellite(1) + 34, 0xBEEF);
        auto settings = loadBytes(image.bytes);
        QVERIFY(settings);
        auto *created = new Satellite;
        created->setName(QStringLiteral("Thor"));
        settings->addSatellite(created);
        auto *transponder = new Transponder;
        transponder->setSatellite(created);
        settings->addTransponder(transponder);
        const QByteArray saved = saveBytes(settings.get());
        QCOMPARE(saved.mid(m.satellite(1) + 4, 4), QByteArray("Thor"));
        QCOMPARE(saved.mid(m.satellite(2) + 4, 7), QByteArray("Hotbird"));
        QCOMPARE((QList<int> { saved.at(m.transponder(0)), saved.at(m.transponder(1)),
                     saved.at(m.transponder(2)), saved.at(m.transponder(3)),
                     wordIn(saved, m.satellite(1) + 20), wordIn(saved, m.satellite(2) + 20),
                     wordIn(saved, m.satellite(1) + 34), wordIn(saved, m.satellite(2) + 34) }),
            (QList<int> { 0, 0, 2, 1, 1, 1, 0, 0xBEEF }));
    }

    void loadingLeavesNothingToAnnounce()
    {
        // Nothing the load did may reach the views: a first action that
        // changes nothing announces nothing, and a first edit only itself.
        QFETCH_GLOBAL(const TestModel *, model);
        auto settings = loadBytes(smallImage(*model).bytes);
        QVERIFY(settings);
        QSignalSpy lists(settings.get(), &Settings::updatedChannelList);
        QSignalSpy satellites(settings.get(), &Settings::updatedSatelliteList);
        QSignalSpy providers(settings.get(), &Settings::updatedProviderList);
        FavoriteGroup *news = settings->favoriteGroups().at(0);
        settings->dropEditables({ settings->channelsOf(news).at(0) }, news, nullptr);
        settings->mainChannelList().at(0)->setName(QStringLiteral("Renamed"));
        QCOMPARE((QList<qsizetype> { lists.count(), satellites.count(), providers.count() }),
            (QList<qsizetype> { 0, 0, 0 }));
    }

    void shortImageDoesNotLoad()
    {
        QFETCH_GLOBAL(const TestModel *, model);
        QTemporaryFile file;
        QVERIFY(
            file.open() && file.write(QByteArray("DIZODIDO") + QByteArray(1000, '\x01')) > 0 && file.seek(0));
        std::unique_ptr<Settings> settings(
            model == &modelHD ? static_cast<Settings *>(new SettingsKelmoraHD) : new SettingsKelmora2XX);
        QVERIFY(!settings->load(&file));
        QVERIFY(!settings->errorString().isEmpty());
        QVERIFY(settings->satellites().isEmpty() && settings->favoriteGroups().isEmpty());
        QCOMPARE(settings->save(&file), -1);
    }

    void fullFileFillsEveryTableAndSavesUnchanged()
    {
        QFETCH_GLOBAL(const TestModel *, model);
        const TestModel &m = *model;
        QString error;
        const QByteArray bytes = DemoSettingsBuilder::filledFile(
            &m == &model2XX ? DemoSettingsBuilder::Model::Kelmora2XX : DemoSettingsBuilder::Model::KelmoraHD,
            1.0, &error);
        QVERIFY2(bytes.size() == m.fileSize, qPrintable(error));
        QCOMPARE(wordsIn(bytes, { m.satelliteCount, m.transponderCount, m.providerCount, m.channelCount }),
            (QList<int> { m.satelliteMax, m.transponderMax, m.providerMax, m.channelMax }));
        for (int g = 0; g < 9; ++g)
            QCOMPARE(wordIn(bytes, m.favorite(g) + 818), 400);
        auto settings = loadBytes(bytes);
        QVERIFY(settings);
        QCOMPARE(settings->channels().size(), m.channelMax);
        QCOMPARE(saveBytes(settings.get()), bytes);
    }
};

QTEST_GUILESS_MAIN(TestSettingsKelmora)
#include "tst_settingskelmora.moc"
