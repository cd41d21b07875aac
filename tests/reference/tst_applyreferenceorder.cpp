#include "reference/applyreferenceorder.h"
#include "reference/referencelist.h"
#include "reference/referencelisttext.h"
#include "reference/referencematch.h"
#include "storebuilder.h"

#include <QSignalSpy>
#include <QTest>

namespace {

ReferenceList listFrom(const char *text)
{
    return ReferenceListText::read(QByteArray(text)).list;
}

QString counts(const ReferenceMatch &match)
{
    return QStringLiteral("%1/%2/%3")
        .arg(match.matchedById())
        .arg(match.matchedByName())
        .arg(match.unmatchedCount());
}

QString names(const QList<Channel *> &channels)
{
    QStringList result;
    for (const Channel *channel : channels)
        result.append(channel->name());
    return result.join(u',');
}

} // namespace

class TestApplyReferenceOrder : public QObject
{
    Q_OBJECT

private slots:
    void matchesAndOrders_data()
    {
        QTest::addColumn<QByteArray>("channels");
        QTest::addColumn<QByteArray>("referenceText");
        QTest::addColumn<QByteArray>("order");
        QTest::addColumn<QByteArray>("matched");
        QTest::addRow("id wins over an earlier name")
            << QByteArray("Sport|1-1-2,News|1-1-1") << QByteArray("1;Sport;1-1-1\n") << QByteArray("c1 c0")
            << QByteArray("1/0/1");
        QTest::addRow("equal ids taken in list order")
            << QByteArray("x|1-1-1,y|2-2-2,z|1-1-1") << QByteArray("1;;2-2-2\n2;;1-1-1\n3;;1-1-1\n")
            << QByteArray("c1 c0 c2") << QByteArray("3/0/0");
        QTest::addRow("equal names taken in list order, trimmed and case folded")
            << QByteArray("Dup|,DUP|,Other|1-1-3") << QByteArray("1;Other;1-1-3\n2;  dup ;\n")
            << QByteArray("c2 c0 c1") << QByteArray("1/1/1");
        QTest::addRow("unknown id falls back to the name")
            << QByteArray("A|1-1-1,B|1-1-2") << QByteArray("1;b;9-9-9\n") << QByteArray("c1 c0")
            << QByteArray("0/1/1");
        QTest::addRow("id already taken falls back to the name")
            << QByteArray("A|1-1-1,B|1-1-2") << QByteArray("1;X;1-1-1\n2;B;1-1-1\n") << QByteArray("c0 c1")
            << QByteArray("1/1/0");
        QTest::addRow("empty names never match") << QByteArray("|,B|1-1-1") << QByteArray("1;  ;\n2;B;\n")
                                                 << QByteArray("c1 c0") << QByteArray("0/1/1");
        QTest::addRow("numbers give the order, ties by line")
            << QByteArray("A|,B|,C|") << QByteArray("2;B;\n1;C;\n2;A;\n") << QByteArray("c2 c1 c0")
            << QByteArray("0/3/0");
        QTest::addRow("TV block ahead of radio, each keeping its order")
            << QByteArray("R1||r,T1|,R2||r,T2|") << QByteArray("1;R2;\n2;T2;\n3;R1;\n")
            << QByteArray("c3 c1 c2 c0") << QByteArray("0/3/1");
        QTest::addRow("empty reference keeps the order")
            << QByteArray("A|1-1-1,B|") << QByteArray("# nothing\n") << QByteArray("c0 c1")
            << QByteArray("0/0/2");
    }
    void matchesAndOrders()
    {
        QFETCH(QByteArray, channels);
        StoreBuilder store(channels);
        QFETCH(QByteArray, referenceText);
        const ReferenceList reference = listFrom(referenceText.constData());
        const QString before = store.order();
        QSignalSpy channelList(&store.settings, &Settings::updatedChannelList);
        const ReferenceMatch preview(store.settings.mainChannelList(), reference);
        QCOMPARE(store.order(), before);
        QFETCH(QByteArray, order);
        QCOMPARE(labels(preview.newOrder()), QString::fromUtf8(order));
        QFETCH(QByteArray, matched);
        QCOMPARE(counts(preview), QString::fromUtf8(matched));

        const ReferenceMatch applied = applyReferenceOrder(store.settings, reference);
        QCOMPARE(store.order(), labels(preview.newOrder()));
        QCOMPARE(counts(applied), counts(preview));
        // The window marks the file modified on this, also when nothing moved.
        QCOMPARE(channelList.count(), 1);
    }

    // The dialog's preview is applied as it was counted, unless the list
    // changed since: a channel deleted meanwhile must not come back.
    void previewAppliedOnlyToItsOwnList()
    {
        StoreBuilder store("A|1-1-1,B|1-1-2,C|1-1-3");
        const ReferenceList reference = listFrom("1;;1-1-3\n2;;1-1-2\n3;;1-1-1\n");
        const ReferenceMatch preview(store.settings.mainChannelList(), reference);
        QCOMPARE(
            counts(applyReferenceOrder(store.settings, reference, preview, {})), QStringLiteral("3/0/0"));
        QCOMPARE(store.order(), QStringLiteral("c2 c1 c0"));

        const ReferenceMatch stale(store.settings.mainChannelList(), listFrom("1;;1-1-1\n"));
        store.settings.removeChannels(nullptr, { store.byLabel(QStringLiteral("c0")) });
        QCOMPARE(counts(applyReferenceOrder(store.settings, listFrom("1;;1-1-1\n"), stale, {})),
            QStringLiteral("0/0/2"));
        QCOMPARE(store.order(), QStringLiteral("c2 c1"));
    }

    void namesTakenOnlyForIdMatches()
    {
        StoreBuilder store("Old One|1-1-1,two|,Three|1-1-3");
        const ReferenceList reference = listFrom("1; New One ;1-1-1\n2;TWO;\n3;;1-1-3\n");
        applyReferenceOrder(store.settings, reference);
        QCOMPARE(names(store.settings.channels()), QStringLiteral("Old One,two,Three"));
        ApplyOrderOptions options;
        options.takeNames = true;
        applyReferenceOrder(store.settings, reference, options);
        QCOMPARE(names(store.settings.channels()), QStringLiteral(" New One ,two,Three"));
    }

    void unmatchedKeptOrDeleted_data()
    {
        QTest::addColumn<bool>("drop");
        QTest::addColumn<QString>("order");
        QTest::addColumn<QString>("members");
        QTest::addRow("kept after the matched")
            << false << QStringLiteral("c2 c0 c1 c3") << QStringLiteral("c1 c2");
        QTest::addRow("deleted, also from groups")
            << true << QStringLiteral("c2 c0 c3") << QStringLiteral("c2");
    }
    void unmatchedKeptOrDeleted()
    {
        StoreBuilder store("A|1-1-1,B|1-1-2,C|1-1-3,R|1-1-4|r");
        FavoriteGroup *group = store.addGroup("G", "c1 c2");
        ApplyOrderOptions options;
        QFETCH(bool, drop);
        options.dropUnmatched = drop;
        applyReferenceOrder(store.settings, listFrom("1;;1-1-3\n2;;1-1-1\n3;;1-1-4\n"), options);
        QFETCH(QString, order);
        QCOMPARE(store.order(), order);
        QFETCH(QString, members);
        QCOMPARE(labels(store.settings.channelsOf(group)), members);
    }

    void favoritesMappedThroughTheMatch()
    {
        StoreBuilder source("A|1-1-1,B|1-1-2,Gone|9-9-9,R|1-1-4|r");
        source.addGroup("Evening", "c3 c2 c1 c0");
        source.addGroup("Empty", "");
        StoreBuilder target("R|1-1-4|r,b|,a|1-1-1,Only here|5-5-5");
        FavoriteGroup *first = target.addGroup("Old", "c3");
        FavoriteGroup *second = target.addGroup("Old too", "c0");
        FavoriteGroup *third = target.addGroup("Untouched", "c3");

        ApplyOrderOptions options;
        options.takeFavorites = true;
        applyReferenceOrder(target.settings, ReferenceList::fromSettings(source.settings), options);
        QCOMPARE(target.order(), QStringLiteral("c2 c1 c3 c0"));
        QCOMPARE(first->name(), QStringLiteral("Evening"));
        // Unmatched "Gone" left out; the radio channel after the TV block.
        QCOMPARE(labels(target.settings.channelsOf(first)), QStringLiteral("c1 c2 c0"));
        QCOMPARE(second->name(), QStringLiteral("Empty"));
        QCOMPARE(labels(target.settings.channelsOf(second)), QString());
        // A group the reference does not have stays as it was.
        QCOMPARE(third->name(), QStringLiteral("Untouched"));
        QCOMPARE(labels(target.settings.channelsOf(third)), QStringLiteral("c3"));
    }
};

QTEST_GUILESS_MAIN(TestApplyReferenceOrder)
#include "tst_applyreferenceorder.moc"
