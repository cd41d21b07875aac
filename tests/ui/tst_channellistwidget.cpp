#include "channel.h"
#include "channellistwidget.h"
#include "editablemimedata.h"
#include "favoritegroup.h"
#include "provider.h"
#include "rooteditable.h"
#include "satellite.h"
#include "testsettings.h"
#include "transponder.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QHeaderView>
#include <QMenu>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Stands in for the channel dialog, which is modal.
class TestTable : public ChannelListWidget
{
public:
    std::function<bool(Channel *)> dialog = [](Channel *) { return false; };
    QList<Channel *> dialogChannels;
    int dragsStarted = 0;

protected:
    bool runChannelDialog(Channel *channel) override
    {
        dialogChannels.append(channel);
        return dialog(channel);
    }
    void startDrag(Qt::DropActions) override { ++dragsStarted; }
};

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
        QObject::connect(&settings, &Settings::updatedChannelList, &table, [this] { refresh(); });
        show(settings.satellitesRoot());
    }

    void show(Editable *editable)
    {
        shown = editable;
        refresh();
    }
    void refresh()
    {
        Editable *editable = settings.contains(shown) ? shown : settings.satellitesRoot();
        table.showChannels(editable, settings.channelsOf(editable));
    }

    Satellite *satellite(const QString &name)
    {
        auto *satellite = new Satellite;
        satellite->setName(name);
        settings.addSatellite(satellite);
        return satellite;
    }
    Transponder *transponder(Satellite *satellite, quint16 frequency = 12000, int polarization = 0)
    {
        auto *transponder = new Transponder;
        transponder->setSatellite(satellite);
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
    FavoriteGroup *group(const QString &name)
    {
        auto *group = new FavoriteGroup;
        group->setName(name);
        settings.addFavoriteGroup(group);
        return group;
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

    // Drops and clicks need laid-out rows.
    [[nodiscard]] bool exposeTable()
    {
        table.show();
        return QTest::qWaitForWindowExposed(&table);
    }

    QAbstractItemModel *model() const { return table.model(); }
    QVariant cell(int row, int column) const { return model()->index(row, column).data(); }
    QStringList column(int column) const
    {
        QStringList texts;
        for (int row = 0; row < model()->rowCount(); ++row)
            texts.append(cell(row, column).toString());
        return texts;
    }
    QStringList names() const { return column(ChannelListWidget::NameColumn); }
    QStringList names(const QList<Channel *> &channels) const
    {
        QStringList texts;
        for (const Channel *channel : channels)
            texts.append(channel->name());
        return texts;
    }
    int rowOf(const QString &name) const { return int(names().indexOf(name)); }
    QPoint rowCenter(int row) const { return table.visualRect(model()->index(row, 1)).center(); }
    void selectRows(const QStringList &rowNames)
    {
        table.selectionModel()->clear();
        for (const QString &name : rowNames)
            table.selectionModel()->select(
                model()->index(rowOf(name), 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
};

// Closes the next modal widget (a message box) once it runs, and keeps
// its text.
void closeNextModal(QString *text)
{
    auto *timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, timer, [timer, text] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (auto *box = qobject_cast<QMessageBox *>(modal))
            *text = box->text();
        modal->close();
        timer->deleteLater();
    });
    timer->start(10);
}

// Delivers a drag move and, when the move was accepted, the drop, as the
// toolkit does. Returns whether the move was accepted.
bool dragAndDrop(ChannelListWidget &table, const QList<Editable *> &objects, const QPoint &pos)
{
    EditableMimeData payload;
    payload.setEditables(objects);
    QDragEnterEvent enter(pos, Qt::MoveAction, &payload, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(table.viewport(), &enter);
    QDragMoveEvent move(pos, Qt::MoveAction, &payload, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(table.viewport(), &move);
    if (!move.isAccepted())
        return false;
    QDropEvent drop(pos, Qt::MoveAction, &payload, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(table.viewport(), &drop);
    return drop.isAccepted();
}

} // namespace

class TestChannelListWidget : public QObject
{
    Q_OBJECT

private slots:
    void tableWithoutFileHasTitlesOnly();
    void cellsShowValuesAndLeaveAbsentOnesEmpty_data();
    void cellsShowValuesAndLeaveAbsentOnesEmpty();
    void headerSortsIntegersByValueAndTextByCharacter_data();
    void headerSortsIntegersByValueAndTextByCharacter();
    void rebuildStartsInMainListOrderWhateverTheHeaderSort();
    void groupRowsStandInMainListOrder();
    void rowRefreshStaysInPlaceAndClearsLostValues();
    void changedOwnerRefreshesItsRows();
    void deleteEditableRemovesOnlyItsRow();
    void deleteTakesChannelsOutOfGroupButDestroysThemElsewhere_data();
    void deleteTakesChannelsOutOfGroupButDestroysThemElsewhere();
    void doubleClickEditsTheChannelOfTheRowAfterSorting();
    void createStartsFromFirstSelectedChannel();
    void cancelledCreateAddsNothing();
    void createWhileGroupShownJoinsMainListAndGroup();
    void createBeyondCapacityIsRefusedWithLimit_data();
    void createBeyondCapacityIsRefusedWithLimit();
    void createDropsReferencesTheStoreDoesNotHold();
    void dropOntoChannelReordersMainList();
    void dropWhileGroupShownReordersOnlyTheGroup();
    void dropKeepsRadioChannelInRadioBlock();
    void dropsThatCannotApplyAreRefused();
    void dragStartsAtStartDragDistance();
    void newStoreEmptiesTheTable();
    void contextMenuOffersCreateAndDeleteOnlyWithFile();
};

void TestChannelListWidget::tableWithoutFileHasTitlesOnly()
{
    ChannelListWidget table;
    QCOMPARE(table.model()->rowCount(), 0);
    QStringList titles;
    for (int column = 0; column < table.model()->columnCount(); ++column)
        titles.append(table.model()->headerData(column, Qt::Horizontal).toString());
    QCOMPARE(titles,
        QStringList({ u"Id"_s, u"Name"_s, u"Provider"_s, u"Satellite"_s, u"Frequency"_s, u"SymbolRate"_s,
            u"Polarization"_s, u"Service Type"_s, u"SID"_s, u"Video PID"_s, u"Audio PID"_s, u"PCR PID"_s,
            u"PMT PID"_s }));
    // Without a store nothing can be created or deleted.
    table.createChannel();
    table.deleteSelectedChannels();
    QCOMPARE(table.model()->rowCount(), 0);
}

void TestChannelListWidget::cellsShowValuesAndLeaveAbsentOnesEmpty_data()
{
    QTest::addColumn<bool>("withTransponder");
    QTest::addColumn<bool>("withSatellite");
    QTest::addColumn<bool>("withProvider");
    QTest::addColumn<int>("serviceType");
    QTest::addColumn<int>("polarization");
    QTest::addColumn<QVariantList>("expected");

    const QVariant none;
    QTest::addRow("new channel without references")
        << false << false << false << 0 << 0
        << QVariantList { 0, u"N"_s, none, none, none, none, none, u"TV"_s, u"65535"_s, u"8191"_s, u"8191"_s,
               u"8191"_s, u"0"_s };
    QTest::addRow("complete radio channel, vertical")
        << true << true << true << 1 << 1
        << QVariantList { 0, u"N"_s, u"Prov"_s, u"Astra"_s, 11778, 27500, u"V"_s, u"Radio"_s, u"65535"_s,
               u"8191"_s, u"8191"_s, u"8191"_s, u"0"_s };
    QTest::addRow("any non-zero type is radio, any non-zero polarisation V")
        << true << true << false << 7 << 5
        << QVariantList { 0, u"N"_s, none, u"Astra"_s, 11778, 27500, u"V"_s, u"Radio"_s, u"65535"_s,
               u"8191"_s, u"8191"_s, u"8191"_s, u"0"_s };
    QTest::addRow("transponder without satellite")
        << true << false << true << 0 << 0
        << QVariantList { 0, u"N"_s, u"Prov"_s, none, 11778, 27500, u"H"_s, u"TV"_s, u"65535"_s, u"8191"_s,
               u"8191"_s, u"8191"_s, u"0"_s };
}

void TestChannelListWidget::cellsShowValuesAndLeaveAbsentOnesEmpty()
{
    QFETCH(bool, withTransponder);
    QFETCH(bool, withSatellite);
    QFETCH(bool, withProvider);
    QFETCH(int, serviceType);
    QFETCH(int, polarization);
    QFETCH(QVariantList, expected);

    Fixture f;
    Satellite *satellite = withSatellite ? f.satellite(u"Astra"_s) : nullptr;
    Transponder *transponder = withTransponder ? f.transponder(satellite, 11778, polarization) : nullptr;
    Provider *provider = withProvider ? f.provider(u"Prov"_s) : nullptr;
    f.channel(u"N"_s, transponder, provider, serviceType);

    QCOMPARE(f.model()->rowCount(), 1);
    for (int column = 0; column < ChannelListWidget::ColumnCount; ++column) {
        const QVariant value = f.cell(0, column);
        QCOMPARE(value, expected.at(column));
        // Integer columns must hold integers, or the header sorts them as text.
        QCOMPARE(value.typeId(), expected.at(column).typeId());
        QCOMPARE(f.model()->flags(f.model()->index(0, column)), Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    }
}

void TestChannelListWidget::headerSortsIntegersByValueAndTextByCharacter_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QStringList>("ascending");

    QTest::addRow("Frequency by value")
        << int(ChannelListWidget::FrequencyColumn) << QStringList { u"3"_s, u"20"_s, u"100"_s };
    QTest::addRow("SymbolRate by value")
        << int(ChannelListWidget::SymbolRateColumn) << QStringList { u"3"_s, u"20"_s, u"100"_s };
    QTest::addRow("SID as text") << int(ChannelListWidget::ServiceIdColumn)
                                 << QStringList { u"100"_s, u"20"_s, u"3"_s };
    QTest::addRow("PMT PID as text") << int(ChannelListWidget::PmtPidColumn)
                                     << QStringList { u"100"_s, u"20"_s, u"3"_s };
    QTest::addRow("Name by character code")
        << int(ChannelListWidget::NameColumn) << QStringList { u"100"_s, u"20"_s, u"3"_s };
}

void TestChannelListWidget::headerSortsIntegersByValueAndTextByCharacter()
{
    QFETCH(int, column);
    QFETCH(QStringList, ascending);

    Fixture f;
    f.table.setSortingEnabled(true);
    Satellite *satellite = f.satellite(u"S"_s);
    for (const quint16 value : { 20, 3, 100 }) {
        Transponder *transponder = f.transponder(satellite, value);
        transponder->setSymbolRate(value);
        Channel *channel = f.channel(QString::number(value), transponder);
        channel->setServiceId(value);
        channel->setPmtPid(value);
    }
    QAbstractItemModelTester tester(f.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);

    f.table.sortByColumn(column, Qt::AscendingOrder);
    QCOMPARE(f.names(), ascending);
    f.table.sortByColumn(column, Qt::DescendingOrder);
    std::reverse(ascending.begin(), ascending.end());
    QCOMPARE(f.names(), ascending);
}

void TestChannelListWidget::rebuildStartsInMainListOrderWhateverTheHeaderSort()
{
    Fixture f;
    f.table.setSortingEnabled(true);
    for (const QString &name : { u"b"_s, u"d"_s, u"a"_s, u"c"_s })
        f.channel(name);
    f.table.sortByColumn(ChannelListWidget::NameColumn, Qt::DescendingOrder);
    QCOMPARE(f.names(), QStringList({ u"d"_s, u"c"_s, u"b"_s, u"a"_s }));

    // Handed in any order, the rows come out in main-list order.
    QList<Channel *> shuffled = f.settings.channels();
    std::reverse(shuffled.begin(), shuffled.end());
    f.table.showChannels(f.settings.satellitesRoot(), shuffled);
    QAbstractItemModelTester tester(f.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(f.names(), QStringList({ u"b"_s, u"d"_s, u"a"_s, u"c"_s }));
    QCOMPARE(f.column(ChannelListWidget::IdColumn), QStringList({ u"0"_s, u"1"_s, u"2"_s, u"3"_s }));
    QCOMPARE(f.table.channels(), shuffled);
}

void TestChannelListWidget::groupRowsStandInMainListOrder()
{
    Fixture f;
    Channel *a = f.channel(u"A"_s);
    Channel *b = f.channel(u"B"_s);
    Channel *c = f.channel(u"C"_s);
    f.channel(u"D"_s);
    FavoriteGroup *group = f.group(u"G"_s);
    for (Channel *channel : { c, b, a })
        f.settings.addChannel(group, channel);

    f.show(group);
    QCOMPARE(f.names(), QStringList({ u"A"_s, u"B"_s, u"C"_s }));
    QCOMPARE(f.column(ChannelListWidget::IdColumn), QStringList({ u"0"_s, u"1"_s, u"2"_s }));

    f.show(f.settings.providersRoot());
    QCOMPARE(f.model()->rowCount(), 0);
}

void TestChannelListWidget::rowRefreshStaysInPlaceAndClearsLostValues()
{
    Fixture f;
    f.table.setSortingEnabled(true);
    Transponder *transponder = f.transponder(f.satellite(u"Astra"_s), 11778);
    Provider *provider = f.provider(u"Prov"_s);
    f.channel(u"a"_s);
    Channel *b = f.channel(u"b"_s, transponder, provider);
    f.channel(u"c"_s);
    // Adding leaves the list marked modified; flush it so that only the
    // refresh under test can touch the table.
    f.settings.emitPendingUpdates();
    f.table.sortByColumn(ChannelListWidget::NameColumn, Qt::AscendingOrder);
    QAbstractItemModelTester tester(f.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    const QAbstractItemModel *model = f.model();

    b->setName(u"z"_s);
    QVERIFY(f.model() == model); // no rebuild
    QCOMPARE(f.names(), QStringList({ u"a"_s, u"z"_s, u"c"_s }));

    b->setProvider(nullptr);
    QVERIFY(!f.cell(1, ChannelListWidget::ProviderColumn).isValid());
    QCOMPARE(f.cell(1, ChannelListWidget::SatelliteColumn).toString(), u"Astra"_s);

    b->setTransponder(nullptr);
    for (const int column : { ChannelListWidget::SatelliteColumn, ChannelListWidget::FrequencyColumn,
             ChannelListWidget::SymbolRateColumn, ChannelListWidget::PolarizationColumn })
        QVERIFY2(!f.cell(1, column).isValid(), qPrintable(QString::number(column)));
    QCOMPARE(f.names(), QStringList({ u"a"_s, u"z"_s, u"c"_s }));

    // A channel that is not shown leaves the rows alone.
    Channel outside;
    outside.setName(u"outside"_s);
    f.table.updateEditable(&outside);
    QCOMPARE(f.names(), QStringList({ u"a"_s, u"z"_s, u"c"_s }));
}

void TestChannelListWidget::changedOwnerRefreshesItsRows()
{
    Fixture f;
    Satellite *astra = f.satellite(u"Astra"_s);
    Satellite *hotbird = f.satellite(u"Hotbird"_s);
    Transponder *transponder = f.transponder(astra, 11778);
    Provider *provider = f.provider(u"Prov"_s);
    f.channel(u"a"_s, transponder, provider);
    f.channel(u"b"_s);

    provider->setName(u"Renamed"_s);
    transponder->setFrequency(12188);
    QCOMPARE(f.column(ChannelListWidget::ProviderColumn), QStringList({ u"Renamed"_s, QString() }));
    QCOMPARE(f.cell(0, ChannelListWidget::FrequencyColumn), QVariant(12188));

    // A transponder dropped onto another satellite in the tree.
    f.settings.dropEditables({ transponder }, hotbird, nullptr);
    QCOMPARE(f.column(ChannelListWidget::SatelliteColumn), QStringList({ u"Hotbird"_s, QString() }));
}

void TestChannelListWidget::deleteEditableRemovesOnlyItsRow()
{
    Fixture f;
    Channel *a = f.channel(u"a"_s);
    Channel *b = f.channel(u"b"_s);
    f.channel(u"c"_s);
    f.settings.emitPendingUpdates();
    QAbstractItemModelTester tester(f.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);

    f.table.deleteEditable(b);
    QCOMPARE(f.names(), QStringList({ u"a"_s, u"c"_s }));
    QVERIFY(!f.table.channels().contains(b));
    f.table.deleteEditable(b);
    f.table.deleteEditable(f.settings.satellitesRoot());
    QCOMPARE(f.names(), QStringList({ u"a"_s, u"c"_s }));
    // The remaining rows still map to their channels.
    a->setName(u"A"_s);
    QCOMPARE(f.names(), QStringList({ u"A"_s, u"c"_s }));
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
    FavoriteGroup *group = f.group(u"G"_s);
    for (const QString &name : { u"a"_s, u"b"_s, u"c"_s })
        f.settings.addChannel(group, f.channel(name, nullptr, provider));
    f.show(groupShown ? static_cast<Editable *>(group) : provider);

    f.selectRows({ u"a"_s, u"c"_s });
    QSignalSpy listChanged(&f.settings, &Settings::updatedChannelList);
    if (byKey)
        QTest::keyClick(&f.table, Qt::Key_Delete);
    else
        f.table.deleteAction()->trigger();

    QCOMPARE(listChanged.count(), 1);
    QCOMPARE(f.names(), QStringList({ u"b"_s }));
    QCOMPARE(f.names(f.settings.channelsOf(group)), QStringList({ u"b"_s }));
    QCOMPARE(f.names(f.settings.channels()),
        groupShown ? QStringList({ u"a"_s, u"b"_s, u"c"_s }) : QStringList({ u"b"_s }));

    // Nothing selected: nothing changes.
    f.table.deleteSelectedChannels();
    QCOMPARE(listChanged.count(), 1);
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
    QTest::mouseClick(f.table.viewport(), Qt::LeftButton, {}, f.rowCenter(0));
    QTest::mouseDClick(f.table.viewport(), Qt::LeftButton, {}, f.rowCenter(0));
    QCOMPARE(f.table.dialogChannels, QList<Channel *>({ c }));
}

void TestChannelListWidget::createStartsFromFirstSelectedChannel()
{
    Fixture f;
    Satellite *satellite = f.satellite(u"S"_s);
    Transponder *t1 = f.transponder(satellite, 11000);
    Transponder *t2 = f.transponder(satellite, 12000);
    Provider *p1 = f.provider(u"P1"_s);
    Provider *p2 = f.provider(u"P2"_s);
    f.channel(u"one"_s, t1, p1);
    f.channel(u"two"_s, t2, p2);

    Transponder *seenTransponder = nullptr;
    Provider *seenProvider = nullptr;
    f.table.dialog = [&](Channel *channel) {
        seenTransponder = channel->transponder();
        seenProvider = channel->provider();
        channel->setName(u"new"_s);
        return true;
    };
    f.selectRows({ u"two"_s, u"one"_s });
    const QList<Channel *> selected = f.table.selectedChannels();
    f.table.createAction()->trigger();

    QCOMPARE(seenTransponder, selected.first()->transponder());
    QCOMPARE(seenProvider, selected.first()->provider());
    QCOMPARE(f.names(f.settings.channels()), QStringList({ u"one"_s, u"two"_s, u"new"_s }));
    QCOMPARE(f.names(), QStringList({ u"one"_s, u"two"_s, u"new"_s }));

    // With nothing selected the new channel starts without references.
    f.table.selectionModel()->clear();
    f.table.createChannel();
    QCOMPARE(seenTransponder, nullptr);
    QCOMPARE(seenProvider, nullptr);
}

void TestChannelListWidget::cancelledCreateAddsNothing()
{
    Fixture f;
    f.channel(u"a"_s);
    QSignalSpy listChanged(&f.settings, &Settings::updatedChannelList);
    f.table.createChannel();
    QCOMPARE(f.table.dialogChannels.size(), 1);
    QCOMPARE(listChanged.count(), 0);
    QCOMPARE(f.settings.channels().size(), 1);
}

void TestChannelListWidget::createWhileGroupShownJoinsMainListAndGroup()
{
    Fixture f;
    f.channel(u"a"_s);
    Channel *b = f.channel(u"b"_s);
    FavoriteGroup *group = f.group(u"G"_s);
    f.settings.addChannel(group, b);
    f.show(group);

    f.table.dialog = [](Channel *channel) {
        channel->setName(u"new"_s);
        return true;
    };
    f.table.createChannel();

    QCOMPARE(f.names(f.settings.channels()), QStringList({ u"a"_s, u"b"_s, u"new"_s }));
    QCOMPARE(f.names(f.settings.channelsOf(group)), QStringList({ u"b"_s, u"new"_s }));
    QCOMPARE(f.names(), QStringList({ u"b"_s, u"new"_s }));
    QCOMPARE(f.table.currentEditable(), group);
    QCOMPARE(f.column(ChannelListWidget::IdColumn), QStringList({ u"1"_s, u"2"_s }));

    // Being in the main list, it follows its changes like every channel.
    Channel *created = f.settings.channels().last();
    created->setName(u"renamed"_s);
    QCOMPARE(f.names(), QStringList({ u"b"_s, u"renamed"_s }));
}

void TestChannelListWidget::createBeyondCapacityIsRefusedWithLimit_data()
{
    QTest::addColumn<bool>("inGroup");
    QTest::addColumn<QString>("limit");
    QTest::addRow("file full") << false << u"2"_s;
    QTest::addRow("group full") << true << u"1"_s;
}

void TestChannelListWidget::createBeyondCapacityIsRefusedWithLimit()
{
    QFETCH(bool, inGroup);
    QFETCH(QString, limit);

    Fixture f;
    SettingsCapacity capacity;
    capacity.channels = inGroup ? 10 : 2;
    capacity.channelsPerGroup = 1;
    f.settings.setCapacity(capacity);
    Channel *a = f.channel(u"a"_s);
    f.channel(u"b"_s);
    FavoriteGroup *group = f.group(u"G"_s);
    f.settings.addChannel(group, a);
    if (inGroup)
        f.show(group);

    QString message;
    closeNextModal(&message);
    f.table.dialog = [](Channel *) { return true; };
    f.table.createChannel();

    QVERIFY2(message.contains(limit), qPrintable(message));
    QVERIFY(f.table.dialogChannels.isEmpty());
    QCOMPARE(f.settings.channels().size(), 2);
    QCOMPARE(f.settings.channelsOf(group).size(), 1);
}

void TestChannelListWidget::createDropsReferencesTheStoreDoesNotHold()
{
    Fixture f;
    Provider *held = f.provider(u"held"_s);
    Transponder foreignTransponder;
    Provider foreignProvider;
    f.table.dialog = [&](Channel *channel) {
        channel->setTransponder(&foreignTransponder);
        channel->setProvider(held);
        return true;
    };
    f.table.createChannel();
    f.table.dialog = [&](Channel *channel) {
        channel->setProvider(&foreignProvider);
        return true;
    };
    f.table.createChannel();

    const QList<Channel *> channels = f.settings.channels();
    QCOMPARE(channels.size(), 2);
    QCOMPARE(channels.at(0)->transponder(), nullptr);
    QCOMPARE(channels.at(0)->provider(), held);
    QCOMPARE(channels.at(1)->provider(), nullptr);
}

void TestChannelListWidget::dropOntoChannelReordersMainList()
{
    Fixture f;
    QList<Channel *> c;
    for (const QString &name : { u"A"_s, u"B"_s, u"C"_s, u"D"_s })
        c.append(f.channel(name));
    QVERIFY(f.exposeTable());

    QSignalSpy listChanged(&f.settings, &Settings::updatedChannelList);
    QVERIFY(dragAndDrop(f.table, { c[3] }, f.rowCenter(f.rowOf(u"A"_s))));
    QCOMPARE(f.names(), QStringList({ u"D"_s, u"A"_s, u"B"_s, u"C"_s }));
    QCOMPARE(listChanged.count(), 1);

    // Several channels each take the target's place, in dragged order.
    QVERIFY(dragAndDrop(f.table, { c[1], c[2] }, f.rowCenter(f.rowOf(u"D"_s))));
    QCOMPARE(f.names(f.settings.channels()), QStringList({ u"B"_s, u"C"_s, u"D"_s, u"A"_s }));
    QCOMPARE(f.names(), QStringList({ u"B"_s, u"C"_s, u"D"_s, u"A"_s }));
}

void TestChannelListWidget::dropWhileGroupShownReordersOnlyTheGroup()
{
    Fixture f;
    Channel *a = f.channel(u"A"_s);
    Channel *b = f.channel(u"B"_s);
    Channel *c = f.channel(u"C"_s);
    FavoriteGroup *group = f.group(u"G"_s);
    for (Channel *channel : { a, b, c })
        f.settings.addChannel(group, channel);
    f.show(group);
    QVERIFY(f.exposeTable());

    QVERIFY(dragAndDrop(f.table, { c }, f.rowCenter(f.rowOf(u"A"_s))));
    QCOMPARE(f.names(f.settings.channelsOf(group)), QStringList({ u"C"_s, u"A"_s, u"B"_s }));
    QCOMPARE(f.names(f.settings.channels()), QStringList({ u"A"_s, u"B"_s, u"C"_s }));
    QCOMPARE(f.names(), QStringList({ u"A"_s, u"B"_s, u"C"_s }));
    QCOMPARE(f.table.currentEditable(), group);
}

void TestChannelListWidget::dropKeepsRadioChannelInRadioBlock()
{
    Fixture f;
    f.channel(u"T0"_s);
    f.channel(u"T1"_s);
    f.channel(u"R0"_s, nullptr, nullptr, 1);
    Channel *r1 = f.channel(u"R1"_s, nullptr, nullptr, 1);
    QVERIFY(f.exposeTable());

    QVERIFY(dragAndDrop(f.table, { r1 }, f.rowCenter(f.rowOf(u"T0"_s))));
    QCOMPARE(f.names(), QStringList({ u"T0"_s, u"T1"_s, u"R1"_s, u"R0"_s }));
}

void TestChannelListWidget::dropsThatCannotApplyAreRefused()
{
    Fixture f;
    Satellite *satellite = f.satellite(u"S"_s);
    f.channel(u"A"_s);
    Channel *b = f.channel(u"B"_s);
    Channel *doomed = f.channel(u"doomed"_s);
    QVERIFY(f.exposeTable());
    QSignalSpy listChanged(&f.settings, &Settings::updatedChannelList);

    const QPoint belowRows(20, f.table.viewport()->height() - 3);
    QVERIFY(!f.table.indexAt(belowRows).isValid());
    QVERIFY(!dragAndDrop(f.table, { b }, belowRows));
    QVERIFY(!dragAndDrop(f.table, { satellite }, f.rowCenter(0)));
    QVERIFY(!dragAndDrop(f.table, { b, nullptr }, f.rowCenter(0)));
    QCOMPARE(listChanged.count(), 0);

    // A payload that outlived one of its channels is not applied at all.
    f.settings.removeChannels(nullptr, { doomed });
    listChanged.clear();
    QVERIFY(!dragAndDrop(f.table, { b, doomed }, f.rowCenter(f.rowOf(u"A"_s))));
    QCOMPARE(listChanged.count(), 0);
    QCOMPARE(f.names(f.settings.channels()), QStringList({ u"A"_s, u"B"_s }));

    // An empty payload may be dropped and changes nothing.
    QVERIFY(dragAndDrop(f.table, {}, f.rowCenter(0)));
    QCOMPARE(listChanged.count(), 0);
}

void TestChannelListWidget::dragStartsAtStartDragDistance()
{
    Fixture f;
    f.channel(u"A"_s);
    QVERIFY(f.exposeTable());

    const QPoint start = f.rowCenter(0);
    const int distance = QApplication::startDragDistance();
    QTest::mousePress(f.table.viewport(), Qt::LeftButton, {}, start);
    QMouseEvent nearly(QEvent::MouseMove, start + QPoint(distance - 1, 0),
        f.table.viewport()->mapToGlobal(start), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(f.table.viewport(), &nearly);
    QCOMPARE(f.table.dragsStarted, 0);
    QMouseEvent exactly(QEvent::MouseMove, start + QPoint(distance - 1, 1),
        f.table.viewport()->mapToGlobal(start), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(f.table.viewport(), &exactly);
    QCOMPARE(f.table.dragsStarted, 1);
    QTest::mouseRelease(f.table.viewport(), Qt::LeftButton, {}, start);
}

void TestChannelListWidget::newStoreEmptiesTheTable()
{
    TestTable table;
    auto first = std::make_unique<TestSettings>();
    table.setSettings(first.get());
    auto *channel = new Channel;
    first->addChannel(nullptr, channel);
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

    Fixture f;
    f.channel(u"A"_s);
    QVERIFY(f.exposeTable());
    const QStringList all { u"create"_s, u"delete"_s, u"select columns"_s };
    QCOMPARE(menuEntries(f.table, f.rowCenter(0)), all);
    QCOMPARE(menuEntries(f.table, QPoint(20, f.table.viewport()->height() - 3)), all);
}

QTEST_MAIN(TestChannelListWidget)
#include "tst_channellistwidget.moc"
