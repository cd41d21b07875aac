#include "channeltablefixture.h"
#include "formats/settingskelmora2xx.h"
#include "formats/settingskelmorahd.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>

using namespace Qt::StringLiterals;
using Tester = QAbstractItemModelTester;

// The channel table's model as the table shows it: the cells of a row, the
// header's sorts and the rows refreshed when their objects change.
class TestChannelTableModel : public QObject
{
    Q_OBJECT

private slots:
    void cellsShowValuesAndLeaveAbsentOnesEmpty_data()
    {
        QTest::addColumn<QString>("satellite"); // null: no transponder; empty: transponder without one
        QTest::addColumn<bool>("withProvider");
        QTest::addColumn<int>("code"); // service type and polarisation
        QTest::addColumn<QVariantList>("expected");
        const QVariant none;
        const QVariantList pids { u"65535"_s, u"8191"_s, u"8191"_s, u"8191"_s, u"0"_s };
        QTest::addRow("new channel without references")
            << QString() << false << 0
            << QVariantList { 0, u"N"_s, none, none, none, none, none, u"TV"_s } + pids;
        QTest::addRow("any non-zero code is radio and V")
            << u"Astra"_s << true << 7
            << QVariantList { 0, u"N"_s, u"Prov"_s, u"Astra"_s, 11778, 27500, u"V"_s, u"Radio"_s } + pids;
        QTest::addRow("transponder without satellite")
            << u""_s << false << 0
            << QVariantList { 0, u"N"_s, none, none, 11778, 27500, u"H"_s, u"TV"_s } + pids;
    }
    void cellsShowValuesAndLeaveAbsentOnesEmpty()
    {
        QFETCH(QString, satellite);
        QFETCH(bool, withProvider);
        QFETCH(int, code);
        QFETCH(QVariantList, expected);
        TableFixture f;
        Transponder *transponder = satellite.isNull() ? nullptr : f.transponder(satellite, 11778, code);
        f.channel(u"N"_s, transponder, withProvider ? f.provider(u"Prov"_s) : nullptr, code);
        QCOMPARE(f.table.model()->rowCount(), 1);
        // Integer columns must hold integers, or the header sorts them as text;
        // QVariant compares an integer and its text as different.
        QCOMPARE(f.row(0), expected);
    }

    // A name the save will cut shows cut, as the receiver will show it: 16
    // bytes hold seven Cyrillic letters after the selector, 18 hold eight.
    void nameCellShowsTheNameAsStored()
    {
        SettingsKelmoraHD hd;
        SettingsKelmora2XX model2XX;
        for (const auto &[settings, shown] :
            { std::pair<Settings *, QString>(&hd, u"Телерад"_s), { &model2XX, u"Телеради"_s } }) {
            ChannelListWidget table;
            table.setSettings(settings);
            settings->addChannel(nullptr, named<Channel>(u"Телерадиокомпани"_s));
            table.showChannels(settings->satellitesRoot(), settings->channels());
            QCOMPARE(table.model()->index(0, Col::NameColumn).data().toString(), shown);
        }
    }

    void headerSortsIntegersByValueAndTextByCharacter_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QStringList>("ascending");
        QTest::addRow("Frequency by value") << int(Col::FrequencyColumn) << words("3 20 100");
        QTest::addRow("SymbolRate by value") << int(Col::SymbolRateColumn) << words("3 20 100");
        QTest::addRow("SID as text") << int(Col::ServiceIdColumn) << words("100 20 3");
        QTest::addRow("PMT PID as text") << int(Col::PmtPidColumn) << words("100 20 3");
        QTest::addRow("Name by character code") << int(Col::NameColumn) << words("100 20 3");
    }
    void headerSortsIntegersByValueAndTextByCharacter()
    {
        QFETCH(int, column);
        QFETCH(QStringList, ascending);
        TableFixture f;
        f.table.setSortingEnabled(true);
        for (const quint16 value : { 20, 3, 100 }) {
            Transponder *transponder = f.transponder(u"S"_s, value);
            transponder->setSymbolRate(value);
            Channel *channel = f.channel(QString::number(value), transponder);
            channel->setServiceId(value);
            channel->setPmtPid(value);
        }
        Tester tester(f.table.model(), Tester::FailureReportingMode::QtTest);
        f.table.sortByColumn(column, Qt::AscendingOrder);
        QCOMPARE(f.column(), ascending);
        f.table.sortByColumn(column, Qt::DescendingOrder);
        std::reverse(ascending.begin(), ascending.end());
        QCOMPARE(f.column(), ascending);
    }

    void rebuildKeepsTheUsersSortWithTiesInMainListOrder()
    {
        TableFixture f;
        // The indicator tells what the rows show before any click.
        QCOMPARE(f.table.header()->sortIndicatorSection(), ChannelTableModel::PositionColumn);
        QCOMPARE(f.table.header()->sortIndicatorOrder(), Qt::AscendingOrder);
        f.table.setSortingEnabled(true);
        f.channels("b d a c");
        FavoriteGroup *group = f.group("c a b");
        Tester tester(f.table.model(), Tester::FailureReportingMode::QtTest);
        QCOMPARE(f.column(), words("b d a c"));
        f.table.sortByColumn(Col::NameColumn, Qt::DescendingOrder);
        QCOMPARE(f.column(), words("d c b a"));

        // Handed in any order, the rows come out in the user's order, and a
        // deletion, which rebuilds the rows, keeps it.
        const QList<Channel *> shuffled = f.find(words("c a d b"));
        f.table.showChannels(f.settings.satellitesRoot(), shuffled);
        QCOMPARE(f.column(), words("d c b a"));
        QCOMPARE(f.table.channels(), shuffled);
        f.selectRows("c");
        QVERIFY(giveFocus(&f.table));
        pressKey(Qt::Key_Delete);
        QCOMPARE(f.column(), words("d b a"));
        QCOMPARE(f.column(Col::IdColumn), words("1 0 2"));
        QVERIFY(f.table.selectedChannels().isEmpty());
        // Rows with equal keys stand in main-list order, either way round.
        f.table.sortByColumn(Col::ServiceTypeColumn, Qt::DescendingOrder);
        QCOMPARE(f.column(), words("b d a"));
        // A group's ties stand in the group's own order.
        f.show(group);
        QCOMPARE(f.column(), words("a b"));
        f.table.sortByColumn(Col::IdColumn, Qt::DescendingOrder);
        QCOMPARE(f.column(Col::IdColumn), words("2 0"));
        f.show(f.settings.providersRoot());
        QCOMPARE(f.table.model()->rowCount(), 0);
    }

    void rowsRefreshInPlaceAndClearLostValues()
    {
        TableFixture f;
        f.table.setSortingEnabled(true);
        Transponder *transponder = f.transponder(u"Astra"_s, 11778);
        Provider *provider = f.provider(u"Prov"_s);
        Channel *a = f.channel(u"a"_s, transponder, provider);
        Channel *b = f.channel(u"b"_s, transponder, provider);
        f.channel(u"c"_s);
        // Adding leaves the list marked modified; flush it so that only the
        // refresh under test can touch the table.
        f.settings.emitPendingUpdates();
        f.table.sortByColumn(Col::NameColumn, Qt::AscendingOrder);
        Tester tester(f.table.model(), Tester::FailureReportingMode::QtTest);
        const QAbstractItemModel *model = f.table.model();

        // A changed owner refreshes every row that shows it.
        provider->setName(u"Renamed"_s);
        transponder->setFrequency(12188);
        QCOMPARE(f.column(Col::ProviderColumn), QStringList({ u"Renamed"_s, u"Renamed"_s, {} }));
        QCOMPARE(f.cell(1, Col::FrequencyColumn), QVariant(12188));
        b->setName(u"z"_s);
        QCOMPARE(f.table.model(), model); // no rebuild
        QCOMPARE(f.column(), words("a z c"));
        b->setProvider(nullptr);
        QCOMPARE(f.row(1).mid(Col::ProviderColumn, 2), QVariantList({ QVariant(), u"Astra"_s }));
        b->setTransponder(nullptr);
        QCOMPARE(f.row(1).mid(Col::ProviderColumn, 5), QVariantList(5)); // up to Polarization
        // Only a shown channel's row goes, and the others still map to theirs.
        Channel outside;
        f.table.updateEditable(&outside);
        f.table.deleteEditable(&outside);
        f.table.deleteEditable(b);
        f.table.deleteEditable(f.settings.satellitesRoot());
        QVERIFY(!f.table.channels().contains(b));
        a->setName(u"A"_s);
        QCOMPARE(f.column(), words("A c"));
    }
};

QTEST_MAIN(TestChannelTableModel)
#include "tst_channeltablemodel.moc"
