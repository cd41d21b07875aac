#include "model/channel.h"
#include "model/provider.h"
#include "model/satellite.h"
#include "model/transponder.h"
#include "search/channelmatcher.h"

#include <QTest>

class TestChannelMatcher : public QObject
{
    Q_OBJECT

private slots:
    void matchesNameProviderSatelliteOrServiceId_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("matches");
        auto row = [](const char *tag, const char *name, const char *text, bool matches) {
            QTest::addRow("%s", tag) << QString::fromUtf8(name) << QString::fromUtf8(text) << matches;
        };
        row("empty text matches all", "ZDF HD", "", true);
        row("blank text matches all", "ZDF HD", "  ", true);
        row("case", "ZDF HD", "zdf", true);
        row("inside the name", "Das Erste HD", "ERSTE", true);
        row("no match", "ZDF HD", "arte", false);
        row("diacritic in the name", "Česko", "cesko", true);
        row("diacritic in the text", "Cesko", "Česko", true);
        row("upper-case diacritic", "ČT1 HD", "čt1", true);
        row("letter without decomposition", "Łódź TV", "lodz", true);
        row("sharp s", "Straße", "strasse", true);
        row("Cyrillic by case", "Первый канал", "ПЕРВЫЙ", true);
        row("Cyrillic not in Latin", "Первый канал", "pervyi", false);
        row("Greek final sigma", "ΕΡΤ ΕΙΔΗΣΕΙΣ", "ειδησεις", true);
        row("Greek accent", "Δεύτερο", "δευτερο", true);
        row("Japanese", "ＮＨＫ ワールド", "NHK", true);
        row("provider name", "Rai 1", "rai com", true);
        row("satellite name", "Rai 1", "hot bird", true);
        row("service id part", "Rai 1", "340", true);
        row("service id other digits", "Rai 1", "999", false);
        row("digits in the name", "Rai 1", "1", true);
    }

    void matchesNameProviderSatelliteOrServiceId()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(bool, matches);
        Satellite satellite;
        satellite.setName(QStringLiteral("Hot Bird 13"));
        Transponder transponder;
        transponder.setSatellite(&satellite);
        Provider provider;
        provider.setName(QStringLiteral("RAI Com"));
        Channel channel;
        channel.setName(name);
        channel.setServiceId(3401);
        channel.setProvider(&provider);
        channel.setTransponder(&transponder);

        ChannelMatcher matcher;
        matcher.setText(text);
        QCOMPARE(matcher.matches(&channel), matches);
        // Asked again, the remembered folded names give the same answer.
        QCOMPARE(matcher.matches(&channel), matches);
    }

    // A channel still being set up has neither provider nor transponder.
    void channelWithoutReferencesMatchesByItsOwnTexts()
    {
        Channel channel;
        channel.setName(QStringLiteral("Neu"));
        ChannelMatcher matcher;
        matcher.setText(QStringLiteral("neu"));
        QVERIFY(matcher.matches(&channel));
        matcher.setText(QStringLiteral("astra"));
        QVERIFY(!matcher.matches(&channel));
    }

    // A rename is seen at once: the remembered folds are keyed by text, not by channel.
    void renamedChannelIsMatchedByItsNewName()
    {
        Channel channel;
        channel.setName(QStringLiteral("Česko"));
        ChannelMatcher matcher;
        matcher.setText(QStringLiteral("cesko"));
        QVERIFY(matcher.matches(&channel));
        channel.setName(QStringLiteral("Slovensko"));
        QVERIFY(!matcher.matches(&channel));
        matcher.setText(QStringLiteral("slov"));
        QVERIFY(matcher.matches(&channel));
    }
};

QTEST_GUILESS_MAIN(TestChannelMatcher)
#include "tst_channelmatcher.moc"
