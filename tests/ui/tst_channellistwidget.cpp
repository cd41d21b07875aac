#include "channel.h"
#include "channellistwidget.h"
#include "favoritegroup.h"
#include "provider.h"
#include "rooteditable.h"
#include "satellite.h"
#include "testsettings.h"
#include "transponder.h"
#include "uitest.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QMenu>
#include <QSignalSpy>

#include <memory>

using namespace Qt::StringLiterals;
using Tester = QAbstractItemModelTester;

namespace {

// Stands in for the channel dialog, which is modal.
class TestTable : public ChannelListWidget
{
public:
    std::function<bool(Channel *)> dialog = [](Channel *) { return false; };
    QList<Channel *> dialogChannels;

protected:
    bool runChannelDialog(Channel *channel) override
    {
        dialogChannels.append(channel);
        return dialog(channel);
    }
};

QStringList names(const QList<Channel *> &channels)
{
    QStringList texts;
    for (const Channel *channel : channels)
        texts.append(channel->name());
    return texts;
}

// A store and a table wired as the main window wires them: every channel
// list change re-reads the channels of the shown object.
struct Fixture
{
    TestSettings settings;
    TestTable table;
    Editable *shown = nullptr;

    Fixture()
    {
        table.resize(900, 400);
        table.setSettings(&settings);
        QObject::connect(&settings, &Settings::updatedChannelList, &table, [this] { show(shown); });
        show(nullptr);
    }
    void show(Editable *editable)
    {
        shown = settings.contains(editable) ? editable : settings.satellitesRoot();
        table.showChannels(shown, settings.channelsOf(shown));
    }

    // A transponder on a new satellite of that name, or on none if the name is empty.
    Transponder *transponder(const QString &satelliteName, quint16 frequency = 12000, int polarization = 0)
    {
        auto *satellite = new Satellite;
        satellite->setName(satelliteName);
        settings.addSatellite(satellite);
        auto *transponder = new Transponder;
        transponder->setSatellite(satelliteName.isEmpty() ? nullptr : satellite);
        transponder->setFrequency(frequency);
        transponder->setPolarization(polarization);
        settings.addTransponder(transponder);
        return transponder;
    }
    Provider *provider(const QString &name)
    {
        auto *provider = new Provider;
        provider->setName(name);
        settings.addProvider(provider);
        return provider;
    }
    Channel *channel(const QString &name, Transponder *transponder = nullptr, Provider *provider = nullptr,
        int serviceType = 0)
    {
        auto *channel = new Channel;
        channel->setName(name);
        channel->setTransponder(transponder);
        channel->setProvider(provider);
        channel->setServiceType(serviceType);
        settings.addChannel(nullptr, channel);
        return channel;
    }
    // Channels of the main list by name, in the order named.
    QList<Channel *> channels(const QStringList &names)
    {
        QList<Channel *> found;
        for (const QString &name : names)
            for (Channel *channel : settings.channels())
                if (channel->name() == name)
                    found.append(channel);
        return found;
    }
    // A favourite group holding the channels in the order named.
    FavoriteGroup *group(const QStringList &names)
    {
        auto *group = new FavoriteGroup;
        settings.addFavoriteGroup(group);
        for (Channel *channel : channels(names))
            settings.addChannel(group, channel);
        return group;
    }

    // Drops and clicks need laid-out rows.
    [[nodiscard]] bool exposeTable()
    {
        table.show();
        return QTest::qWaitForWindowExposed(&table);
    }
    QVariant cell(int row, int column) const { return table.model()->index(row, column).data(); }
    QStringList column(int column = ChannelListWidget::NameColumn) const
    {
        QStringList texts;
        for (int row = 0; row < table.model()->rowCount(); ++row)
            texts.append(cell(row, column).toString());
        return texts;
    }
    QPoint rowCenter(const QString &name) const
    {
        return table.visualRect(table.model()->index(int(column().indexOf(name)), 1)).center();
    }
    void selectRows(const QStringList &names)
    {
        table.selectionModel()->clear();
        for (const QString &name : names)
            table.selectionModel()->select(table.model()->index(int(column().indexOf(name)), 0),
                QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
};

} // namespace

class TestChannelListWidget : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { cancelPendingModalDrivers(); }
    void cellsShowValuesAndLeaveAbsentOnesEmpty_data();
    void cellsShowValuesAndLeaveAbsentOnesEmpty();
    void headerSortsIntegersByValueAndTextByCharacter_data();
    void headerSortsIntegersByValueAndTextByCharacter();
    void rebuildStartsInMainListOrderWhateverTheHeaderSort();
    void rowsRefreshInPlaceAndClearLostValues();
    void deleteTakesChannelsOutOfGroupButDestroysThemElsewhere_data();
    void deleteTakesChannelsOutOfGroupButDestroysThemElsewhere();
    void createJoinsShownListOrIsRefused_data();
    void createJoinsShownListOrIsRefused();
    void createStartsFromSelectionAndKeepsOnlyHeldReferences();
    void dropReordersTheShownList_data();
    void dropReordersTheShownList();
    void dropsThatCannotApplyAreRefused();
    void doubleClickEditsTheChannelOfTheRowAfterSorting();
    void newStoreEmptiesTheTable();
    void contextMenuOffersCreateAndDeleteOnlyWithFile();
};

void TestChannelListWidget::cellsShowValuesAndLeaveAbsentOnesEmpty_data()
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

void TestChannelListWidget::cellsShowValuesAndLeaveAbsentOnesEmpty()
{
    QFETCH(QString, satellite);
    QFETCH(bool, withProvider);
    QFETCH(int, code);
    QFETCH(QVariantList, expected);
    Fixture f;
    Transponder *transponder = satellite.isNull() ? nullptr : f.transponder(satellite, 11778, code);
    f.channel(u"N"_s, transponder, withProvider ? f.provider(u"Prov"_s) : nullptr, code);

    QCOMPARE(f.table.model()->rowCount(), 1);
    for (int column = 0; column < ChannelListWidget::ColumnCount; ++column) {
        // Integer columns must hold integers, or the header sorts them as text.
        QCOMPARE(f.cell(0, column), expected.at(column));
        QCOMPARE(f.cell(0, column).typeId(), expected.at(column).typeId());
        QCOMPARE(f.table.model()->index(0, column).flags(), Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    }
}

void TestChannelListWidget::headerSortsIntegersByValueAndTextByCharacter_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QStringList>("ascending");
    QTest::addRow("Frequency by value") << int(ChannelListWidget::FrequencyColumn) << words("3 20 100");
    QTest::addRow("SymbolRate by value") << int(ChannelListWidget::SymbolRateColumn) << words("3 20 100");
    QTest::addRow("SID as text") << int(ChannelListWidget::ServiceIdColumn) << words("100 20 3");
    QTest::addRow("PMT PID as text") << int(ChannelListWidget::PmtPidColumn) << words("100 20 3");
    QTest::addRow("Name by character code") << int(ChannelListWidget::NameColumn) << words("100 20 3");
}

void TestChannelListWidget::headerSortsIntegersByValueAndTextByCharacter()
{
    QFETCH(int, column);
    QFETCH(QStringList, ascending);
    Fixture f;
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

void TestChannelListWidget::rebuildStartsInMainListOrderWhateverTheHeaderSort()
{
    Fixture f;
    f.table.setSortingEnabled(true);
    for (const QString &name : words("b d a c"))
        f.channel(name);
    FavoriteGroup *group = f.group(words("c a b"));
    f.table.sortByColumn(ChannelListWidget::NameColumn, Qt::DescendingOrder);
    QCOMPARE(f.column(), words("d c b a"));

    // Handed in any order, the rows come out in main-list order.
    const QList<Channel *> shuffled = f.channels(words("c a d b"));
    f.table.showChannels(f.settings.satellitesRoot(), shuffled);
    Tester tester(f.table.model(), Tester::FailureReportingMode::QtTest);
    QCOMPARE(f.column(), words("b d a c"));
    QCOMPARE(f.column(ChannelListWidget::IdColumn), words("0 1 2 3"));
    QCOMPARE(f.table.channels(), shuffled);

    // So do a group's rows, whatever order the group holds them in.
    f.show(group);
    QCOMPARE(f.column(), words("b a c"));
    QCOMPARE(f.column(ChannelListWidget::IdColumn), words("0 2 3"));
    f.show(f.settings.providersRoot());
    QCOMPARE(f.table.model()->rowCount(), 0);
}

void TestChannelListWidget::rowsRefreshInPlaceAndClearLostValues()
{
    Fixture f;
    f.table.setSortingEnabled(true);
    Transponder *transponder = f.transponder(u"Astra"_s, 11778);
    Provider *provider = f.provider(u"Prov"_s);
    Channel *a = f.channel(u"a"_s, transponder, provider);
    Channel *b = f.channel(u"b"_s, transponder, provider);
    f.channel(u"c"_s);
    // Adding leaves the list marked modified; flush it so that only the
    // refresh under test can touch the table.
    f.settings.emitPendingUpdates();
    f.table.sortByColumn(ChannelListWidget::NameColumn, Qt::AscendingOrder);
    Tester tester(f.table.model(), Tester::FailureReportingMode::QtTest);
    const QAbstractItemModel *model = f.table.model();

    // A changed owner refreshes every row that shows it.
    provider->setName(u"Renamed"_s);
    transponder->setFrequency(12188);
    QCOMPARE(f.column(ChannelListWidget::ProviderColumn), QStringList({ u"Renamed"_s, u"Renamed"_s, {} }));
    QCOMPARE(f.cell(1, ChannelListWidget::FrequencyColumn), QVariant(12188));

    b->setName(u"z"_s);
    QCOMPARE(f.table.model(), model); // no rebuild
    QCOMPARE(f.column(), words("a z c"));
    b->setProvider(nullptr);
    QVERIFY(!f.cell(1, ChannelListWidget::ProviderColumn).isValid());
    QCOMPARE(f.cell(1, ChannelListWidget::SatelliteColumn).toString(), u"Astra"_s);
    b->setTransponder(nullptr);
    for (const int column : { ChannelListWidget::SatelliteColumn, ChannelListWidget::FrequencyColumn,
             ChannelListWidget::SymbolRateColumn, ChannelListWidget::PolarizationColumn })
        QVERIFY2(!f.cell(1, column).isValid(), qPrintable(QString::number(column)));

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

void TestChannelListWidget::deleteTakesChannelsOutOfGroupButDestroysThemElsewhere_data()
{
    QTest::addColumn<bool>("groupShown");
    QTest::addColumn<bool>("byKey");
    QTest::addRow("provider, delete action") << false << false;
    QTest::addRow("provider, Delete key") << false << true;
    QTest::addRow("favourite group, delete action") << true << false;
    QTest::addRow("favourite group, Delete key") << true << true;
}

void TestChannelListWidget::deleteTakesChannelsOutOfGroupButDestroysThemElsewhere()
{
    QFETCH(bool, groupShown);
    QFETCH(bool, byKey);
    Fixture f;
    Provider *provider = f.provider(u"P"_s);
    for (const QString &name : words("a b c"))
        f.channel(name, nullptr, provider);
    FavoriteGroup *group = f.group(words("a b c"));
    f.show(groupShown ? static_cast<Editable *>(group) : provider);

    f.selectRows(words("a c"));
    QSignalSpy listChanged(&f.settings, &Settings::updatedChannelList);
    if (byKey)
        QTest::keyClick(&f.table, Qt::Key_Delete);
    else
        f.table.deleteAction()->trigger();
    QCOMPARE(listChanged.count(), 1);
    QCOMPARE(f.column(), words("b"));
    QCOMPARE(names(f.settings.channelsOf(group)), words("b"));
    QCOMPARE(names(f.settings.channels()), words(groupShown ? "a b c" : "b"));

    // Nothing selected: nothing changes.
    f.table.deleteSelectedChannels();
    QCOMPARE(listChanged.count(), 1);
}

void TestChannelListWidget::createJoinsShownListOrIsRefused_data()
{
    QTest::addColumn<bool>("inGroup");
    QTest::addColumn<bool>("accept");
    QTest::addColumn<int>("room"); // in the file; a group holds one channel less
    QTest::addColumn<QStringList>("mainList");
    QTest::addColumn<QStringList>("groupList");
    QTest::addColumn<QString>("limit");
    QTest::addRow("main list") << false << true << 3 << words("a b new") << words("b") << QString();
    QTest::addRow("group, joins main list")
        << true << true << 3 << words("a b new") << words("b new") << QString();
    QTest::addRow("cancelled") << false << false << 3 << words("a b") << words("b") << QString();
    QTest::addRow("file full") << false << true << 2 << words("a b") << words("b") << u"at most 2"_s;
    QTest::addRow("group full") << true << true << 2 << words("a b") << words("b") << u"at most 1"_s;
}

void TestChannelListWidget::createJoinsShownListOrIsRefused()
{
    QFETCH(bool, inGroup);
    QFETCH(bool, accept);
    QFETCH(int, room);
    QFETCH(QStringList, mainList);
    QFETCH(QStringList, groupList);
    QFETCH(QString, limit);
    Fixture f;
    SettingsCapacity capacity;
    capacity.channels = inGroup ? 10 : room;
    capacity.channelsPerGroup = room - 1;
    f.settings.setCapacity(capacity);
    f.channel(u"a"_s);
    f.channel(u"b"_s);
    FavoriteGroup *group = f.group(words("b"));
    f.show(inGroup ? group : nullptr);

    QString message;
    answerNextMessage(&message);
    f.table.dialog = [accept](Channel *channel) {
        channel->setName(u"new"_s);
        return accept;
    };
    f.table.createChannel();
    QVERIFY2(limit.isEmpty() ? message.isEmpty() : message.contains(limit), qPrintable(message));
    QCOMPARE(f.table.dialogChannels.size(), limit.isEmpty() ? 1 : 0);
    QCOMPARE(names(f.settings.channels()), mainList);
    QCOMPARE(names(f.settings.channelsOf(group)), groupList);
    QCOMPARE(f.column(), inGroup ? groupList : mainList);
    QCOMPARE(f.table.currentEditable(), f.shown);
    // Being in the main list, a new channel follows its changes like every channel.
    f.settings.channels().last()->setName(u"renamed"_s);
    QCOMPARE(f.column().last(), u"renamed"_s);
}

void TestChannelListWidget::createStartsFromSelectionAndKeepsOnlyHeldReferences()
{
    Fixture f;
    Provider *held = f.provider(u"P1"_s);
    f.channel(u"one"_s, f.transponder(u"S"_s, 11000), held);
    f.channel(u"two"_s, f.transponder(u"S"_s, 12000), f.provider(u"P2"_s));
    using Refs = std::pair<Transponder *, Provider *>;
    QList<Refs> seen;
    Transponder foreignTransponder;
    Provider foreignProvider;
    f.table.dialog = [&](Channel *channel) {
        seen.append({ channel->transponder(), channel->provider() });
        channel->setTransponder(&foreignTransponder);
        channel->setProvider(seen.size() == 1 ? held : &foreignProvider);
        return true;
    };
    // The first selected channel, in the view's order, is the template.
    f.selectRows(words("two one"));
    const Channel *first = f.table.selectedChannels().first();
    f.table.createAction()->trigger();
    f.table.selectionModel()->clear();
    f.table.createChannel();
    QCOMPARE(seen, QList<Refs>({ { first->transponder(), first->provider() }, { nullptr, nullptr } }));

    // A reference the store does not hold is dropped, a held one kept.
    const QList<Channel *> channels = f.settings.channels();
    QCOMPARE(channels.size(), 4);
    QCOMPARE(Refs(channels.at(2)->transponder(), channels.at(2)->provider()), Refs(nullptr, held));
    QCOMPARE(channels.at(3)->provider(), nullptr);
}

void TestChannelListWidget::dropReordersTheShownList_data()
{
    QTest::addColumn<bool>("inGroup");
    QTest::addColumn<QStringList>("dragged");
    QTest::addColumn<QStringList>("mainList");
    QTest::addColumn<QStringList>("groupList");
    QTest::addRow("onto a channel") << false << words("C") << words("C A B R0 R1") << words("A B C");
    QTest::addRow("several, in dragged order")
        << false << words("B C") << words("B C A R0 R1") << words("A B C");
    QTest::addRow("radio stays in radio block")
        << false << words("R1") << words("A B C R1 R0") << words("A B C");
    QTest::addRow("group reorders only the group")
        << true << words("C") << words("A B C R0 R1") << words("C A B");
}

void TestChannelListWidget::dropReordersTheShownList()
{
    QFETCH(bool, inGroup);
    QFETCH(QStringList, dragged);
    QFETCH(QStringList, mainList);
    QFETCH(QStringList, groupList);
    Fixture f;
    for (const QString &name : words("A B C"))
        f.channel(name);
    f.channel(u"R0"_s, nullptr, nullptr, 1);
    f.channel(u"R1"_s, nullptr, nullptr, 1);
    FavoriteGroup *group = f.group(words("A B C"));
    f.show(inGroup ? group : nullptr);
    QVERIFY(f.exposeTable());

    QSignalSpy listChanged(&f.settings, &Settings::updatedChannelList);
    const QList<Channel *> payload = f.channels(dragged);
    QVERIFY(dragAndDrop(&f.table, QList<Editable *>(payload.begin(), payload.end()), f.rowCenter(u"A"_s)));
    QCOMPARE(listChanged.count(), 1);
    QCOMPARE(names(f.settings.channels()), mainList);
    QCOMPARE(names(f.settings.channelsOf(group)), groupList);
    // A group's rows stand in main-list order.
    QCOMPARE(f.column(), inGroup ? words("A B C") : mainList);
    QCOMPARE(f.table.currentEditable(), f.shown);
}

void TestChannelListWidget::dropsThatCannotApplyAreRefused()
{
    Fixture f;
    Transponder *transponder = f.transponder(u"S"_s);
    f.channel(u"A"_s);
    Channel *b = f.channel(u"B"_s);
    Channel *doomed = f.channel(u"doomed"_s);
    QVERIFY(f.exposeTable());
    QSignalSpy listChanged(&f.settings, &Settings::updatedChannelList);
    const QPoint onA = f.rowCenter(u"A"_s), belowRows(20, f.table.viewport()->height() - 3);
    QVERIFY(!f.table.indexAt(belowRows).isValid());
    QVERIFY(!dragAndDrop(&f.table, { b }, belowRows));
    QVERIFY(!dragAndDrop(&f.table, { transponder }, onA));
    QVERIFY(!dragAndDrop(&f.table, { b, nullptr }, onA));

    // A payload that outlived one of its channels is not applied at all.
    f.settings.removeChannels(nullptr, { doomed });
    listChanged.clear();
    QVERIFY(!dragAndDrop(&f.table, { b, doomed }, onA));
    QCOMPARE(names(f.settings.channels()), words("A B"));
    // An empty payload may be dropped and changes nothing.
    QVERIFY(dragAndDrop(&f.table, {}, onA));
    QCOMPARE(listChanged.count(), 0);
}

void TestChannelListWidget::doubleClickEditsTheChannelOfTheRowAfterSorting()
{
    Fixture f;
    f.table.setSortingEnabled(true);
    f.channel(u"a"_s);
    Channel *c = f.channel(u"c"_s);
    f.channel(u"b"_s);
    QVERIFY(f.exposeTable());
    f.table.sortByColumn(ChannelListWidget::NameColumn, Qt::DescendingOrder);

    // A double click arrives after the press and release of its first click.
    QTest::mouseClick(f.table.viewport(), Qt::LeftButton, {}, f.rowCenter(u"c"_s));
    QTest::mouseDClick(f.table.viewport(), Qt::LeftButton, {}, f.rowCenter(u"c"_s));
    QCOMPARE(f.table.dialogChannels, QList<Channel *>({ c }));
}

void TestChannelListWidget::newStoreEmptiesTheTable()
{
    TestTable table;
    auto first = std::make_unique<TestSettings>();
    table.setSettings(first.get());
    first->addChannel(nullptr, new Channel);
    table.showChannels(first->satellitesRoot(), first->channels());
    QCOMPARE(table.model()->rowCount(), 1);

    TestSettings second;
    table.setSettings(&second);
    first.reset();
    QCOMPARE(table.model()->rowCount(), 0);
    QVERIFY(table.channels().isEmpty());
    // The old store's signals no longer reach the table, the new one's do.
    auto *fresh = new Channel;
    second.addChannel(nullptr, fresh);
    table.showChannels(second.satellitesRoot(), second.channels());
    fresh->setName(u"fresh"_s);
    QCOMPARE(table.model()->index(0, ChannelListWidget::NameColumn).data().toString(), u"fresh"_s);
}

void TestChannelListWidget::contextMenuOffersCreateAndDeleteOnlyWithFile()
{
    const auto menuEntries = [](ChannelListWidget &table, const QPoint &pos) {
        QStringList entries;
        auto *timer = new QTimer;
        QObject::connect(timer, &QTimer::timeout, timer, [timer, &entries] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu)
                return;
            timer->deleteLater();
            for (const QAction *action : menu->actions())
                entries.append(action->text() + (action->isEnabled() ? u""_s : u" (disabled)"_s));
            menu->close();
        });
        timer->start(10);
        QContextMenuEvent event(QContextMenuEvent::Mouse, pos, table.viewport()->mapToGlobal(pos));
        QApplication::sendEvent(table.viewport(), &event);
        return entries;
    };
    ChannelListWidget withoutFile;
    QCOMPARE(menuEntries(withoutFile, QPoint(5, 5)),
        QStringList({ u"create (disabled)"_s, u"delete (disabled)"_s, u"select columns"_s }));
    // The slots themselves must not reach for a store that is not there.
    withoutFile.createChannel();
    withoutFile.deleteSelectedChannels();

    Fixture f;
    f.channel(u"A"_s);
    QVERIFY(f.exposeTable());
    const QStringList all { u"create"_s, u"delete"_s, u"select columns"_s };
    QCOMPARE(menuEntries(f.table, f.rowCenter(u"A"_s)), all);
    QCOMPARE(menuEntries(f.table, QPoint(20, f.table.viewport()->height() - 3)), all);
}

QTEST_MAIN(TestChannelListWidget)
#include "tst_channellistwidget.moc"
