#include "channel.h"
#include "demosettingsbuilder.h"
#include "favoritegroup.h"
#include "kelmoratestimage.h"
#include "provider.h"
#include "satellite.h"
#include "settingskelmora2xx.h"
#include "settingskelmorahd.h"
#include "transponder.h"

#include <QTest>

Q_DECLARE_METATYPE(const TestModel *)

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
        image.setWord(m.satellite(s), s);
        image.setWord(m.satellite(s) + 2, 192 + s);
        image.setBytes(m.satellite(s) + 4, s == 0 ? QByteArray("Astra") : QByteArray("Hotbird"));
        image.setWord(m.satellite(s) + 20, s == 0 ? 2 : 1);
        image.setWord(m.satellite(s) + 22, 9750);
        image.setWord(m.satellite(s) + 24, 10600);
    }
    const int satelliteOf[3] = { 0, 0, 1 };
    for (int t = 0; t < 3; ++t) {
        image.setByte(m.transponder(t), satelliteOf[t]);
        image.setByte(m.transponder(t) + 2, t % 2);
        image.setWord(m.transponder(t) + 10, 11000 + t);
        image.setWord(m.transponder(t) + 12, 27500);
    }
    image.setBytes(m.provider(0), QByteArray("ARD"));
    image.setBytes(m.provider(1), QByteArray("ZDF"));
    for (int c = 0; c < 3; ++c) {
        image.setWord(m.channel(c), 100 + c);
        image.setWord(m.channel(c) + 2, c % 2);
        image.setWord(m.channel(c) + 4, c);
        image.setBytes(m.channel(c) + m.nameOffset, QByteArray("Chan") + char('A' + c));
    }
    image.setBytes(m.favorite(0), QByteArray("News"));
    image.setWord(m.favorite(0) + 16, 0);
    image.setWord(m.favorite(0) + 18, 2);
    image.setWord(m.favorite(0) + 816, 1);
    image.setWord(m.favorite(0) + 818, 2);
    return image;
}

} // namespace

// Which files are taken for which receiver; records read from and written to
// the exact offsets of both models, with the references between the tables.
class TestSettingsKelmora : public QObject
{
    Q_OBJECT

private slots:
    void bothModels_data();
    void recognisesByMagicAndExactSize_data();
    void recognisesByMagicAndExactSize();
    void recordsAtTheirOffsets_data() { bothModels_data(); }
    void recordsAtTheirOffsets();
    void canonicalFileIsSavedByteForByte_data() { bothModels_data(); }
    void canonicalFileIsSavedByteForByte();
    void countsBeyondCapacityAreClipped_data() { bothModels_data(); }
    void countsBeyondCapacityAreClipped();
    void favoriteGroupEntriesAreCheckedAndWrittenTvFirst_data() { bothModels_data(); }
    void favoriteGroupEntriesAreCheckedAndWrittenTvFirst();
    void referencesFollowDeletions_data() { bothModels_data(); }
    void referencesFollowDeletions();
    void saveThatDoesNotFitWritesNothing_data();
    void saveThatDoesNotFitWritesNothing();
    void shortImageDoesNotLoad();
    void fullFileFillsEveryTableAndSavesUnchanged_data() { bothModels_data(); }
    void fullFileFillsEveryTableAndSavesUnchanged();
};

void TestSettingsKelmora::bothModels_data()
{
    QTest::addColumn<const TestModel *>("model");
    QTest::addRow("2XX") << &model2XX;
    QTest::addRow("HD") << &modelHD;
}

void TestSettingsKelmora::recognisesByMagicAndExactSize_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("model");
    const QByteArray image2XX = TestImage(model2XX).bytes();
    const QByteArray imageHD = TestImage(modelHD).bytes();
    QByteArray wrongMagic = imageHD;
    wrongMagic[7] = 'X';
    QByteArray cutMagic = image2XX;
    cutMagic[7] = '\0';
    QTest::addRow("2XX") << image2XX << "2XX";
    QTest::addRow("HD") << imageHD << "HD";
    QTest::addRow("2XX one byte long") << image2XX + '\0' << QString();
    QTest::addRow("HD one byte short") << imageHD.left(imageHD.size() - 1) << QString();
    QTest::addRow("magic differs in one byte") << wrongMagic << QString();
    QTest::addRow("magic cut by a NUL") << cutMagic << QString();
    QTest::addRow("empty file") << QByteArray() << QString();
    QTest::addRow("shorter than the magic") << QByteArray("DIZO") << QString();
}

void TestSettingsKelmora::recognisesByMagicAndExactSize()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, model);
    auto settings = loadBytes(bytes);
    QCOMPARE(dynamic_cast<SettingsKelmora2XX *>(settings.get()) != nullptr, model == QLatin1String("2XX"));
    QCOMPARE(dynamic_cast<SettingsKelmoraHD *>(settings.get()) != nullptr, model == QLatin1String("HD"));
    if (settings) {
        QCOMPARE(settings->favoriteGroups().size(), 9);
        QCOMPARE(settings->features(), (QSet<int> { 0, 1 }));
    }
}

void TestSettingsKelmora::recordsAtTheirOffsets()
{
    QFETCH(const TestModel *, model);
    const TestModel &m = *model;
    TestImage image = smallImage(m);
    image.setWord(m.satellite(1) + 32, 0x0116); // the high byte is not part of the code
    image.setBytes(m.satellite(1) + 26, QByteArray("\x05\x02\x01\x07"));
    image.setWord(m.transponder(2) + 4, 1001);
    image.setWord(m.transponder(2) + 6, 1002);
    image.setWord(m.transponder(2) + 8, 1003);
    image.setWord(m.channel(2) + 6, 511);
    image.setWord(m.channel(2) + 8, 512);
    image.setWord(m.channel(2) + 10, 513);
    if (m.pmtPidOffset >= 0)
        image.setWord(m.channel(2) + m.pmtPidOffset, 514);
    image.setWord(m.channel(2) + m.flagsOffset, 0x0021);
    // Unknown codes, and flags above bit 5.
    image.setBytes(m.satellite(0) + 26, QByteArray("\x09\x03\x02"));
    image.setByte(m.satellite(0) + 32, 0x0A);
    image.setByte(m.transponder(0) + 2, 2);
    image.setWord(m.channel(0) + m.flagsOffset, 0xFFC3);
    // References beyond the tables of two satellites and two providers.
    image.setByte(m.transponder(1), 2);
    image.setWord(m.channel(1) + 2, 2);
    image.setWord(m.channel(1) + 4, 0xFFFF);

    auto settings = loadBytes(image.bytes());
    QVERIFY(settings);
    QCOMPARE(settings->satellites().size(), 2);
    Satellite *astra = settings->satellites().at(0);
    Satellite *hotbird = settings->satellites().at(1);
    QCOMPARE(hotbird->name(), QStringLiteral("Hotbird"));
    QCOMPARE((QList<int> { hotbird->position(), hotbird->lowLof(), hotbird->highLof(), hotbird->diseqc(),
                 hotbird->tone(), hotbird->diseqc12(), hotbird->diseqc12Position(), hotbird->diseqc11(),
                 hotbird->keepLast() }),
        (QList<int> { 193, 9750, 10600, 5, 2, 1, 7, 0x16, 1 }));
    QCOMPARE((QList<int> {
                 astra->diseqc(), astra->tone(), astra->diseqc12(), astra->diseqc11(), astra->keepLast() }),
        (QList<int> { 0, 0, 0, 0, 0 }));

    const QList<Transponder *> transponders = settings->transponders();
    QCOMPARE(transponders.size(), 3);
    Transponder *third = transponders.at(2);
    QCOMPARE(third->satellite(), hotbird);
    QCOMPARE(transponders.at(1)->satellite(), nullptr);
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
    QCOMPARE((QList<int> { channel->serviceId(), channel->videoPid(), channel->audioPid(), channel->pcrPid(),
                 channel->pmtPid(), channels.at(0)->isTv(), channels.at(1)->isTv(), channel->isTv() }),
        (QList<int> { 102, 511, 512, 513, m.pmtPidOffset >= 0 ? 514 : 0, 1, 1, 0 }));
    QCOMPARE(channel->flags(), (QSet<int> { 1, 32 }));
    QCOMPARE(channels.at(0)->flags(), (QSet<int> { 1, 2 }));
    QCOMPARE(channels.at(1)->provider(), nullptr);
    QCOMPARE(channels.at(1)->transponder(), nullptr);

    // Values outside the tables are written as 0, missing references as all ones.
    astra->setDiseqc(42);
    astra->setTone(-1);
    astra->setDiseqc11(0x0B);
    transponders.at(0)->setPolarization(7);
    channels.at(0)->setFlag(64, true);
    const QByteArray saved = saveBytes(settings.get());
    QCOMPARE(saved.size(), m.fileSize);
    QCOMPARE((QList<int> { wordIn(saved, m.satellite(1) + 32), wordIn(saved, m.channel(2) + m.flagsOffset),
                 wordIn(saved, m.channel(2) + 2), wordIn(saved, m.channel(2) + 4) }),
        (QList<int> { 0x0016, 0x0021, 0, 2 }));
    QCOMPARE((QList<int> { wordIn(saved, m.satellite(0) + 26), wordIn(saved, m.satellite(0) + 32),
                 saved.at(m.transponder(0) + 2), wordIn(saved, m.channel(0) + m.flagsOffset) }),
        (QList<int> { 0, 0, 0, 0x0003 }));
    QCOMPARE((QList<int> { quint8(saved.at(m.transponder(1))), wordIn(saved, m.channel(1) + 2),
                 wordIn(saved, m.channel(1) + 4) }),
        (QList<int> { 0xFF, 0xFFFF, 0xFFFF }));
    auto reloaded = loadBytes(saved);
    QVERIFY(reloaded);
    QCOMPARE(reloaded->mainChannelList().at(1)->provider(), nullptr);
    QCOMPARE(reloaded->transponders().at(1)->satellite(), nullptr);
}

void TestSettingsKelmora::canonicalFileIsSavedByteForByte()
{
    QFETCH(const TestModel *, model);
    const TestModel &m = *model;
    TestImage image = smallImage(m);
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

    auto settings = loadBytes(image.bytes());
    QVERIFY(settings);
    QCOMPARE(settings->satellites().at(0)->name(), QString::fromUtf8("Приветствие"));
    QCOMPARE(settings->providers().at(0)->name(), QString::fromUtf8("Ελληνικά"));
    QCOMPARE(settings->mainChannelList().at(0)->name(), QStringLiteral("Plain"));
    const QByteArray saved = saveBytes(settings.get());
    QCOMPARE(saved.size(), image.bytes().size());
    for (int i = 0; i < saved.size(); ++i) {
        if (saved.at(i) != image.bytes().at(i))
            QFAIL(qPrintable(QStringLiteral("byte 0x%1 changed").arg(i, 0, 16)));
    }
}

void TestSettingsKelmora::countsBeyondCapacityAreClipped()
{
    QFETCH(const TestModel *, model);
    const TestModel &m = *model;
    TestImage image(m);
    image.setWord(m.satelliteCount, 0xFFFF);
    image.setWord(m.transponderCount, 0xFFFF);
    image.setWord(m.providerCount, 0xFFFF);
    image.setWord(m.channelCount, 0xFFFF);
    image.setWord(m.tvCount, 0xFFFF);
    image.setWord(m.favorite(0) + 818, 0xFFFF);

    auto settings = loadBytes(image.bytes());
    QVERIFY(settings);
    QCOMPARE(settings->satellites().size(), m.satelliteMax);
    QCOMPARE(settings->transponders().size(), m.transponderMax);
    // All providers are named alike (empty) and merge into one.
    QCOMPARE(settings->providers().size(), 1);
    QCOMPARE(settings->mainChannelList().count(), m.channelMax);
    QCOMPARE(settings->mainChannelList().tvCount(), m.channelMax);
    QCOMPARE(settings->favoriteGroups().size(), 9);
    // 400 entries that all name channel 0: one channel.
    QCOMPARE(settings->channelsOf(settings->favoriteGroups().at(0)).size(), 1);

    const QByteArray saved = saveBytes(settings.get());
    QCOMPARE(wordIn(saved, m.satelliteCount), m.satelliteMax);
    QCOMPARE(wordIn(saved, m.channelCount), m.channelMax);
    QCOMPARE(wordIn(saved, m.providerCount), 1);
}

void TestSettingsKelmora::favoriteGroupEntriesAreCheckedAndWrittenTvFirst()
{
    QFETCH(const TestModel *, model);
    const TestModel &m = *model;
    TestImage image = smallImage(m);
    // Group 1: radio channel 2, an entry beyond the table, a repeat, TV 1.
    const int base = m.favorite(1);
    image.setWord(base + 16, 2);
    image.setWord(base + 18, 3);
    image.setWord(base + 20, 2);
    image.setWord(base + 22, 1);
    image.setWord(base + 818, 4);
    image.setWord(base + 816, 99); // ignored on load

    auto settings = loadBytes(image.bytes());
    QVERIFY(settings);
    const QList<FavoriteGroup *> groups = settings->favoriteGroups();
    QCOMPARE(groups.size(), 9);
    const ChannelList &channels = settings->mainChannelList();
    QCOMPARE(settings->channelsOf(groups.at(0)), (QList<Channel *> { channels.at(0), channels.at(2) }));
    QCOMPARE(settings->channelsOf(groups.at(1)), (QList<Channel *> { channels.at(1), channels.at(2) }));
    QCOMPARE(groups.at(2)->name(), QString());
    QVERIFY(settings->channelsOf(groups.at(2)).isEmpty());

    const QByteArray saved = saveBytes(settings.get());
    QCOMPARE(wordIn(saved, base + 16), 1);
    QCOMPARE(wordIn(saved, base + 18), 2);
    QCOMPARE(saved.mid(base + 20, 796), QByteArray(796, '\0'));
    QCOMPARE(wordIn(saved, base + 816), 1);
    QCOMPARE(wordIn(saved, base + 818), 2);
    QCOMPARE(saved.mid(m.favorite(2), 820), QByteArray(820, '\0'));
}

void TestSettingsKelmora::referencesFollowDeletions()
{
    QFETCH(const TestModel *, model);
    const TestModel &m = *model;
    TestImage image = smallImage(m);
    // Channel 2 sits on transponder 2 of satellite 1; group 0 holds channel 2.
    image.setWord(m.favorite(0) + 16, 2);
    image.setWord(m.favorite(0) + 818, 1);
    // Stale bytes in records that the save rewrites.
    image.setWord(m.satellite(0) + 20, 77);
    image.setByte(m.satellite(0) + 30, 0x33);
    image.setWord(m.satellite(0), 9);
    auto settings = loadBytes(image.bytes());
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

void TestSettingsKelmora::saveThatDoesNotFitWritesNothing_data()
{
    QTest::addColumn<QString>("what");
    QTest::addRow("satellites") << QStringLiteral("satellites");
    QTest::addRow("channels in a group") << QStringLiteral("group");
}

void TestSettingsKelmora::saveThatDoesNotFitWritesNothing()
{
    QFETCH(QString, what);
    auto settings = loadBytes(smallImage(modelHD).bytes());
    QVERIFY(settings);
    if (what == QLatin1String("satellites")) {
        for (int i = 0; i < 199; ++i)
            settings->addSatellite(new Satellite);
    } else {
        FavoriteGroup *group = settings->favoriteGroups().at(0);
        for (int i = 0; i < 399; ++i) {
            auto *channel = new Channel;
            settings->addChannel(nullptr, channel);
            settings->addChannel(group, channel);
        }
    }
    QTemporaryFile file;
    QVERIFY(file.open());
    QVERIFY(file.write("previous content") > 0);
    QVERIFY(file.seek(0));
    const QByteArray imageBefore = static_cast<SettingsKelmoraHD *>(settings.get())->image();
    QCOMPARE(settings->save(&file), -1);
    QVERIFY2(settings->errorString().contains(what == QLatin1String("satellites")
                     ? QStringLiteral("201 satellites")
                     : QStringLiteral("401 channels")),
        qPrintable(settings->errorString()));
    QCOMPARE(static_cast<SettingsKelmoraHD *>(settings.get())->image(), imageBefore);
    QVERIFY(file.seek(0));
    QCOMPARE(file.readAll(), QByteArray("previous content"));
}

void TestSettingsKelmora::shortImageDoesNotLoad()
{
    QTemporaryFile file;
    QVERIFY(file.open());
    QVERIFY(file.write(QByteArray("DIZODIDO") + QByteArray(1000, '\x01')) > 0);
    QVERIFY(file.seek(0));
    SettingsKelmoraHD settings;
    QVERIFY(!settings.load(&file));
    QVERIFY(!settings.errorString().isEmpty());
    QVERIFY(settings.satellites().isEmpty());
    QVERIFY(settings.favoriteGroups().isEmpty());
    QCOMPARE(settings.save(&file), -1);
}

void TestSettingsKelmora::fullFileFillsEveryTableAndSavesUnchanged()
{
    QFETCH(const TestModel *, model);
    const TestModel &m = *model;
    QString error;
    const QByteArray bytes = DemoSettingsBuilder::filledFile(m.fileSize == model2XX.fileSize
            ? DemoSettingsBuilder::Model::Kelmora2XX
            : DemoSettingsBuilder::Model::KelmoraHD,
        1.0, &error);
    QVERIFY2(bytes.size() == m.fileSize, qPrintable(error));
    QCOMPARE(wordIn(bytes, m.satelliteCount), m.satelliteMax);
    QCOMPARE(wordIn(bytes, m.transponderCount), m.transponderMax);
    QCOMPARE(wordIn(bytes, m.providerCount), m.providerMax);
    QCOMPARE(wordIn(bytes, m.channelCount), m.channelMax);
    for (int g = 0; g < 9; ++g)
        QCOMPARE(wordIn(bytes, m.favorite(g) + 818), 400);

    auto settings = loadBytes(bytes);
    QVERIFY(settings);
    QCOMPARE(settings->channels().size(), m.channelMax);
    QCOMPARE(saveBytes(settings.get()), bytes);
}

QTEST_GUILESS_MAIN(TestSettingsKelmora)
#include "tst_settingskelmora.moc"
