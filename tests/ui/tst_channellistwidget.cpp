#include "channeltablefixture.h"

#include <QAbstractItemModelTester>
#include <QDrag>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QSignalSpy>
#include <QStyledItemDelegate>

#include <memory>

using namespace Qt::StringLiterals;
using Tester = QAbstractItemModelTester;

namespace {

// Opens the context menu at a point of the view's viewport, as a right
// click does, and picks the entry of that text, or closes the menu. Returns
// the entries the menu showed.
QStringList contextMenu(QAbstractItemView *view, const QPoint &pos, const QString &pick = {})
{
    QStringList shown;
    QTimer::singleShot(0, view, [&shown, pick] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QAction *chosen = nullptr;
        for (QAction *action : menu->actions()) {
            if (!action->isVisible())
                continue;
            shown.append(action->text());
            if (action->text() == pick)
                chosen = action;
        }
        if (!chosen) {
            menu->close();
            return;
        }
        menu->setActiveAction(chosen);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, view->viewport()->mapToGlobal(pos));
    QApplication::sendEvent(view->viewport(), &event);
    return shown;
}

} // namespace

class TestChannelListWidget : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { cancelPendingModalDrivers(); }

    // The table paints its cells' texts itself; they must come out as the
    // style would have painted them, selected or not, cut short or not.
    void cellsPaintAsTheStyleWouldPaintThem_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("selected");
        QTest::addRow("name") << int(Col::NameColumn) << 240 << false;
        QTest::addRow("selected name") << int(Col::NameColumn) << 240 << true;
        QTest::addRow("name cut short") << int(Col::NameColumn) << 70 << false;
        QTest::addRow("number") << int(Col::FrequencyColumn) << 120 << true;
        QTest::addRow("empty") << int(Col::ProviderColumn) << 120 << true;
    }
    void cellsPaintAsTheStyleWouldPaintThem()
    {
        QFETCH(int, column);
        QFETCH(int, width);
        QFETCH(bool, selected);
        TableFixture f;
        f.channel(u"Das Erste HD \u00e4\u00f6\u00fc"_s, f.transponder(u"Astra"_s, 11836));
        QStyleOptionViewItem option = f.table.cellOption();
        option.rect = QRect(0, 0, width, 24);
        if (selected)
            option.state |= QStyle::State_Selected;
        const QModelIndex index = f.table.model()->index(0, column);
        const auto paint = [&option, &index](const QAbstractItemDelegate &delegate) {
            QImage image(option.rect.size(), QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::white);
            QPainter painter(&image);
            delegate.paint(&painter, option, index);
            return image;
        };
        QCOMPARE(paint(*f.table.itemDelegate()), paint(QStyledItemDelegate()));
    }

    void deleteTakesChannelsOutOfGroupButDestroysThemElsewhere_data()
    {
        QTest::addColumn<bool>("groupShown");
        QTest::addColumn<bool>("byKey");
        QTest::addRow("provider, delete action") << false << false;
        QTest::addRow("provider, Delete key") << false << true;
        QTest::addRow("favourite group, delete action") << true << false;
        QTest::addRow("favourite group, Delete key") << true << true;
    }
    void deleteTakesChannelsOutOfGroupButDestroysThemElsewhere()
    {
        QFETCH(bool, groupShown);
        QFETCH(bool, byKey);
        TableFixture f;
        Provider *provider = f.provider(u"P"_s);
        for (const QString &name : words("a b c"))
            f.channel(name, nullptr, provider);
        FavoriteGroup *group = f.group("a b c");
        f.show(groupShown ? static_cast<Editable *>(group) : provider);
        f.selectRows("a c");
        QVERIFY(f.exposeTable());
        QSignalSpy listChanged(&f.settings, &Settings::updatedChannelList);
        if (byKey) {
            QVERIFY(giveFocus(&f.table));
            pressKey(Qt::Key_Delete);
        } else {
            contextMenu(&f.table, f.rowCenter(u"a"_s), u"&Delete"_s);
        }
        QCOMPARE(listChanged.count(), 1);
        QCOMPARE(f.column(), words("b"));
        QCOMPARE(f.groupList(group), words("b"));
        QCOMPARE(f.mainList(), words(groupShown ? "a b c" : "b"));
    }

    void createJoinsShownListOrIsRefused_data()
    {
        QTest::addColumn<bool>("inGroup");
        QTest::addColumn<bool>("accept");
        QTest::addColumn<int>("room"); // in the file; a group holds one channel less
        QTest::addColumn<QString>("mainList");
        QTest::addColumn<QString>("groupList");
        QTest::addColumn<QString>("limit");
        QTest::addRow("main list") << false << true << 3 << u"a b new"_s << u"b"_s << QString();
        QTest::addRow("group, joins main list")
            << true << true << 3 << u"a b new"_s << u"b new"_s << QString();
        QTest::addRow("cancelled") << false << false << 3 << u"a b"_s << u"b"_s << QString();
        QTest::addRow("file full") << false << true << 2 << u"a b"_s << u"b"_s << u"at most 2"_s;
        QTest::addRow("group full") << true << true << 2 << u"a b"_s << u"b"_s << u"at most 1"_s;
    }
    void createJoinsShownListOrIsRefused()
    {
        QFETCH(bool, inGroup);
        QFETCH(bool, accept);
        QFETCH(int, room);
        QFETCH(QString, mainList);
        QFETCH(QString, groupList);
        QFETCH(QString, limit);
        TableFixture f;
        SettingsCapacity capacity;
        capacity.channels = inGroup ? 10 : room;
        capacity.channelsPerGroup = room - 1;
        f.settings.setCapacity(capacity);
        f.channels("a b");
        FavoriteGroup *group = f.group("b");
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
        QCOMPARE(f.mainList().join(u' '), mainList);
        QCOMPARE(f.groupList(group).join(u' '), groupList);
        QCOMPARE(f.column().join(u' '), inGroup ? groupList : mainList);
        QCOMPARE(f.table.currentEditable(), f.shown);
        // Being in the main list, a new channel follows its changes like every channel.
        f.settings.channels().last()->setName(u"renamed"_s);
        QCOMPARE(f.column().last(), u"renamed"_s);
    }

    void createStartsFromSelectionAndKeepsOnlyHeldReferences()
    {
        TableFixture f;
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
        f.selectRows("two one");
        const Channel *first = f.table.selectedChannels().first();
        QVERIFY(f.exposeTable());
        contextMenu(&f.table, f.rowCenter(u"one"_s), u"&Create Channel…"_s);
        f.table.selectionModel()->clear();
        f.table.createChannel();
        QCOMPARE(seen, QList<Refs>({ { first->transponder(), first->provider() }, { nullptr, nullptr } }));
        // A reference the store does not hold is dropped, a held one kept.
        const QList<Channel *> channels = f.settings.channels();
        QCOMPARE(channels.size(), 4);
        QCOMPARE(Refs(channels.at(2)->transponder(), channels.at(2)->provider()), Refs(nullptr, held));
        QCOMPARE(channels.at(3)->provider(), nullptr);

        // Without a selection, the transponder or provider shown is the start.
        Transponder *shownTransponder = channels.at(0)->transponder();
        for (Editable *shown : QList<Editable *> { shownTransponder, held }) {
            f.show(shown);
            f.table.selectionModel()->clear();
            f.table.createChannel();
        }
        QCOMPARE(seen.mid(2), QList<Refs>({ { shownTransponder, nullptr }, { nullptr, held } }));
    }

    void dropReordersTheShownList_data()
    {
        QTest::addColumn<bool>("inGroup");
        QTest::addColumn<QString>("dragged");
        QTest::addColumn<QString>("mainList");
        QTest::addColumn<QString>("groupList");
        QTest::addRow("onto a channel") << false << u"C"_s << u"C A B R0 R1"_s << u"A B C"_s;
        QTest::addRow("several, in dragged order") << false << u"B C"_s << u"B C A R0 R1"_s << u"A B C"_s;
        QTest::addRow("radio stays in radio block") << false << u"R1"_s << u"A B C R1 R0"_s << u"A B C"_s;
        QTest::addRow("group reorders only the group") << true << u"C"_s << u"A B C R0 R1"_s << u"C A B"_s;
    }
    void dropReordersTheShownList()
    {
        QFETCH(bool, inGroup);
        QFETCH(QString, dragged);
        QFETCH(QString, mainList);
        QFETCH(QString, groupList);
        TableFixture f;
        f.channels("A B C");
        f.channel(u"R0"_s, nullptr, nullptr, 1);
        f.channel(u"R1"_s, nullptr, nullptr, 1);
        FavoriteGroup *group = f.group("A B C");
        f.show(inGroup ? group : nullptr);
        QVERIFY(f.exposeTable());

        QSignalSpy listChanged(&f.settings, &Settings::updatedChannelList);
        const QList<Channel *> payload = f.find(dragged.split(u' '));
        QVERIFY(
            dragAndDrop(&f.table, QList<Editable *>(payload.begin(), payload.end()), f.rowCenter(u"A"_s)));
        QCOMPARE(listChanged.count(), 1);
        QCOMPARE(f.mainList().join(u' '), mainList);
        QCOMPARE(f.groupList(group).join(u' '), groupList);
        // A group's rows stand in the group's own order.
        QCOMPARE(f.column().join(u' '), inGroup ? groupList : mainList);
        QCOMPARE(f.table.currentEditable(), f.shown);
    }

    void dropsThatCannotApplyAreRefused()
    {
        TableFixture f;
        Transponder *transponder = f.transponder(u"S"_s);
        f.channels("A B doomed");
        const QList<Channel *> b = f.find(words("B")), bDoomed = f.find(words("B doomed"));
        QVERIFY(f.exposeTable());
        QSignalSpy listChanged(&f.settings, &Settings::updatedChannelList);
        const QPoint onA = f.rowCenter(u"A"_s), belowRows(20, f.table.viewport()->height() - 3);
        QVERIFY(!f.table.indexAt(belowRows).isValid());
        QVERIFY(!dragAndDrop(&f.table, { b.first() }, belowRows));
        QVERIFY(!dragAndDrop(&f.table, { transponder }, onA));
        QVERIFY(!dragAndDrop(&f.table, { b.first(), nullptr }, onA));
        // A payload that outlived one of its channels is not applied at all.
        f.settings.removeChannels(nullptr, { bDoomed.last() });
        listChanged.clear();
        QVERIFY(!dragAndDrop(&f.table, { bDoomed.first(), bDoomed.last() }, onA));
        QCOMPARE(f.mainList(), words("A B"));
        // Neither an empty payload nor another program's data is answered
        // as a move, which would let its source delete what it offered.
        QVERIFY(!dragAndDrop(&f.table, {}, onA));
        QMimeData foreign;
        foreign.setText(u"B"_s);
        foreign.setUrls({ QUrl::fromLocalFile(u"/tmp/other.si"_s) });
        QVERIFY(!dragAndDropData(&f.table, &foreign, onA));
        QCOMPARE(listChanged.count(), 0);
    }

    // Dragged by the mouse from B onto D: a reorder lands only where the
    // rows show the list's order, else the status bar says why not.
    void reorderDropNeedsTheListOrder_data()
    {
        QTest::addColumn<bool>("inGroup");
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("descending");
        QTest::addColumn<QString>("expected"); // empty: refused
        const int position = ChannelTableModel::PositionColumn;
        QTest::addRow("main, Position") << false << position << false << u"A C D B"_s;
        QTest::addRow("main, Id") << false << int(Col::IdColumn) << false << u"A C D B"_s;
        QTest::addRow("main, Name") << false << int(Col::NameColumn) << false << QString();
        QTest::addRow("main, Position descending") << false << position << true << QString();
        QTest::addRow("group, Position") << true << position << false << u"B D C A"_s;
        QTest::addRow("group, Id") << true << int(Col::IdColumn) << false << QString();
    }
    void reorderDropNeedsTheListOrder()
    {
        QFETCH(bool, inGroup);
        QFETCH(int, column);
        QFETCH(bool, descending);
        QFETCH(QString, expected);
        TableFixture f;
        f.channels("A B C D");
        FavoriteGroup *group = f.group("D C B A");
        f.show(inGroup ? group : nullptr);
        f.table.setSortingEnabled(true);
        f.table.sortByColumn(column, descending ? Qt::DescendingOrder : Qt::AscendingOrder);
        QVERIFY(f.exposeTable());
        QWidget *viewport = f.table.viewport();
        const QPoint press = f.rowCenter(u"B"_s);
        QTest::mouseClick(viewport, Qt::LeftButton, {}, press);
        QTest::mousePress(viewport, Qt::LeftButton, {}, press);
        QTest::mouseMove(viewport, press + QPoint(0, QApplication::startDragDistance() + 5));
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, press);
        const auto *drag = f.table.findChild<QDrag *>();
        QVERIFY(drag);
        QSignalSpy status(&f.table, &ChannelListWidget::statusMessage);
        const QStringList before = inGroup ? f.groupList(group) : f.mainList();

        QCOMPARE(dragAndDropData(&f.table, drag->mimeData(), f.rowCenter(u"D"_s)), !expected.isEmpty());
        QCOMPARE((inGroup ? f.groupList(group) : f.mainList()).join(u' '),
            expected.isEmpty() ? before.join(u' ') : expected);
        QCOMPARE(status.isEmpty() ? QString() : status.constLast().constFirst().toString(),
            expected.isEmpty() ? u"Sort by position to reorder"_s : QString());
    }

    void doubleClickEnterOrF2EditsTheChannelOfTheRowAfterSorting_data()
    {
        QTest::addColumn<int>("key"); // none: a double click
        QTest::addRow("double click") << 0;
        QTest::addRow("Enter") << int(Qt::Key_Return);
        QTest::addRow("F2") << int(Qt::Key_F2);
    }
    void doubleClickEnterOrF2EditsTheChannelOfTheRowAfterSorting()
    {
        QFETCH(int, key);
        TableFixture f;
        f.table.setSortingEnabled(true);
        f.channels("a c b");
        QVERIFY(f.exposeTable());
        f.table.sortByColumn(Col::NameColumn, Qt::DescendingOrder);
        // A double click arrives after the press and release of its first click.
        QTest::mouseClick(f.table.viewport(), Qt::LeftButton, {}, f.rowCenter(u"c"_s));
        QTRY_VERIFY(f.table.hasFocus());
        if (key)
            pressKey(Qt::Key(key));
        else
            QTest::mouseDClick(f.table.viewport(), Qt::LeftButton, {}, f.rowCenter(u"c"_s));
        QCOMPARE(f.table.dialogChannels, f.find(words("c")));
    }

    // A press near the lower edge of a selected row, a slow move into the
    // next row and on past the drag distance, then the release: the drag
    // carries the selected row alone, and the selection is still that row.
    // The offscreen platform ends QDrag::exec at once, as a cancelled drag;
    // the drop row then delivers the carried payload as the toolkit would.
    void mouseDragCarriesTheSelectionAndLeavesItAsItWas_data()
    {
        QTest::addColumn<bool>("drop");
        QTest::addRow("cancelled") << false;
        QTest::addRow("dropped onto a row") << true;
    }
    void mouseDragCarriesTheSelectionAndLeavesItAsItWas()
    {
        QFETCH(bool, drop);
        TableFixture f;
        f.channels("a b c d e");
        QVERIFY(f.exposeTable());
        QWidget *viewport = f.table.viewport();
        QTest::mouseClick(viewport, Qt::LeftButton, {}, f.rowCenter(u"b"_s));
        const QRect rowB = f.table.visualRect(f.table.model()->index(1, 1));
        const QPoint press(rowB.center().x(), rowB.bottom() - 1);
        const QPoint onD = f.rowCenter(u"d"_s);

        QTest::mousePress(viewport, Qt::LeftButton, {}, press);
        QTest::mouseMove(viewport, press + QPoint(0, 3));
        QTest::mouseMove(viewport, onD);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, onD);

        const auto *drag = f.table.findChild<QDrag *>();
        QVERIFY(drag);
        QCOMPARE(editablesFromMimeData(drag->mimeData()), QList<Editable *> { f.find(words("b")).first() });
        QCOMPARE(f.table.selectedChannels(), f.find(words("b")));
        if (drop) {
            QVERIFY(dragAndDropData(&f.table, drag->mimeData(), onD));
            // A reorder moves the rows: the selection goes with its channel.
            QCOMPARE(f.table.selectedChannels(), f.find(words("b")));
        }
        QCOMPARE(f.mainList(), words(drop ? "a c d b e" : "a b c d e"));
    }

    void contextMenuActsOnTheRowUnderTheCursorAndHidesEditsWithoutFile()
    {
        TableFixture f;
        f.channels("a b c");
        QVERIFY(f.exposeTable());
        f.selectRows("a b");
        const QStringList all { u"&Create Channel…"_s, u"&Delete"_s, u"Select D&uplicates"_s,
            u"Select Co&lumns…"_s };
        QCOMPARE(contextMenu(&f.table, f.rowCenter(u"c"_s), u"&Delete"_s), all);
        QCOMPARE(f.mainList(), words("a b"));

        TestTable empty;
        empty.show();
        QVERIFY(QTest::qWaitForWindowExposed(&empty));
        QCOMPARE(contextMenu(&empty, QPoint(5, 5)), QStringList { u"Select Co&lumns…"_s });
    }

    void firstFillOfAFileSizesColumnsOnceAndNeverWiderThanHalfThePane_data()
    {
        QTest::addColumn<int>("nameLength");
        QTest::addColumn<bool>("whole");
        QTest::addRow("fits") << 26 << true;
        QTest::addRow("wider than half the pane") << 300 << false;
    }
    void firstFillOfAFileSizesColumnsOnceAndNeverWiderThanHalfThePane()
    {
        QFETCH(int, nameLength);
        QFETCH(bool, whole);
        TestSettings file;
        const QString name(nameLength, u'W');
        file.addChannel(nullptr, named<Channel>(name));
        file.addChannel(nullptr, named<Channel>(u"a"_s));
        ChannelListWidget table;
        table.resize(900, 400);
        table.setSettings(&file);
        table.showChannels(file.satellitesRoot(), file.channels());
        const int nameWidth = table.fontMetrics().horizontalAdvance(name);
        QVERIFY(table.columnWidth(Col::IdColumn) < table.fontMetrics().horizontalAdvance(u"WWWWWW"_s));
        if (whole)
            QVERIFY(table.columnWidth(Col::NameColumn) > nameWidth);
        else
            QCOMPARE(table.columnWidth(Col::NameColumn), table.width() / 2);
        // Later rebuilds keep the widths the user set.
        table.setColumnWidth(Col::NameColumn, 30);
        table.showChannels(file.satellitesRoot(), file.channels());
        QCOMPARE(table.columnWidth(Col::NameColumn), 30);
    }

    // Channels the filter tests search: names with and without diacritics,
    // a provider, a satellite and a service id to be found by.
    static void fillSearchable(TableFixture &f)
    {
        Transponder *astra = f.transponder(u"Astra 19.2E"_s);
        Provider *zdf = f.provider(u"ZDFvision"_s);
        f.channel(u"ZDF HD"_s, nullptr, zdf);
        f.channel(u"Česko 1"_s);
        f.channel(u"Łódź TV"_s);
        f.channel(u"Das Erste"_s, astra);
        f.channel(u"BBC"_s)->setServiceId(61234);
    }

    void filterShowsMatchingRowsAsTheUserTypes_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QString>("count");
        QTest::addRow("case") << u"zdf"_s << u"ZDF HD"_s << u"1 of 5 channels"_s;
        QTest::addRow("caron") << u"cesko"_s << u"Česko 1"_s << u"1 of 5 channels"_s;
        QTest::addRow("stroke") << u"LODZ"_s << u"Łódź TV"_s << u"1 of 5 channels"_s;
        QTest::addRow("provider") << u"vision"_s << u"ZDF HD"_s << u"1 of 5 channels"_s;
        QTest::addRow("satellite") << u"astra"_s << u"Das Erste"_s << u"1 of 5 channels"_s;
        QTest::addRow("service id") << u"1234"_s << u"BBC"_s << u"1 of 5 channels"_s;
        QTest::addRow("several") << u"e"_s << u"Česko 1|Das Erste"_s << u"2 of 5 channels"_s;
        QTest::addRow("none") << u"xyz"_s << QString() << u"0 of 5 channels"_s;
    }
    void filterShowsMatchingRowsAsTheUserTypes()
    {
        QFETCH(QString, typed);
        QFETCH(QString, rows);
        QFETCH(QString, count);
        TableFixture f;
        fillSearchable(f);
        QCOMPARE(f.table.rowCountText(), u"5 channels"_s);
        QSignalSpy countChanged(&f.table, &ChannelListWidget::rowCountTextChanged);
        QVERIFY(giveFocus(&f.filter));
        typeKeys(typed);
        QCOMPARE(f.column().join(u'|'), rows);
        QCOMPARE(countChanged.constLast().constFirst().toString(), count);
        new QAbstractItemModelTester(f.table.model(), Tester::FailureReportingMode::QtTest, &f.table);

        pressKey(Qt::Key_Escape);
        QVERIFY(f.filter.text().isEmpty());
        QCOMPARE(f.column().size(), 5);
        QCOMPARE(countChanged.constLast().constFirst().toString(), u"5 channels"_s);
    }

    void findKeyReachesTheFilterFromAnywhereInTheWindow()
    {
        QWidget window;
        auto *filter = new ChannelFilterField(&window);
        auto *table = new TestTable;
        table->setParent(&window);
        filter->setText(u"old"_s);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QVERIFY(giveFocus(table));
        pressKey(Qt::Key_F, Qt::ControlModifier);
        QVERIFY(filter->hasFocus());
        QCOMPARE(filter->selectedText(), u"old"_s);
    }

    void filterSurvivesRebuildsAndSorts()
    {
        TableFixture f;
        f.table.setSortingEnabled(true);
        Provider *provider = f.provider(u"P"_s);
        f.channels("alpha beta gamma delta");
        for (Channel *channel : f.find(words("alpha beta gamma")))
            channel->setProvider(provider);
        QVERIFY(giveFocus(&f.filter));
        typeKeys(u"a"_s);
        f.table.sortByColumn(Col::NameColumn, Qt::DescendingOrder);
        QCOMPARE(f.column(), words("gamma delta beta alpha"));
        f.filter.setText(u"ta"_s);
        QCOMPARE(f.column(), words("delta beta"));
        // A deletion rebuilds the table; so does another tree selection.
        f.settings.removeChannels(nullptr, f.find(words("delta")));
        QCOMPARE(f.column(), words("beta"));
        f.show(provider);
        QCOMPARE(f.column(), words("beta"));
        QCOMPARE(f.table.rowCountText(), u"1 of 3 channels"_s);
        f.filter.clear();
        QCOMPARE(f.column(), words("gamma beta alpha"));
    }

    // Ctrl+A and Delete, or a drag, with a filter on: hidden rows never take
    // part, even when they were selected before the filter hid them.
    void deleteAndDragReachOnlyShownRows()
    {
        TableFixture f;
        f.channels("a1 b1 a2 b2 a3");
        QVERIFY(giveFocus(&f.table));
        pressKey(Qt::Key_A, Qt::ControlModifier);
        QVERIFY(giveFocus(&f.filter));
        typeKeys(u"a"_s);
        QCOMPARE(f.table.selectedChannels(), f.find(words("a1 a2 a3")));

        // A drag from the shown rows carries them alone; dropped onto a3 they
        // move by a3's place in the whole list, not by its row.
        QWidget *viewport = f.table.viewport();
        const QPoint press = f.rowCenter(u"a1"_s), onA3 = f.rowCenter(u"a3"_s);
        QTest::mousePress(viewport, Qt::LeftButton, {}, press);
        QTest::mouseMove(viewport, press + QPoint(0, QApplication::startDragDistance() + 5));
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, press);
        const auto *drag = f.table.findChild<QDrag *>();
        QVERIFY(drag);
        const QList<Channel *> firstTwo = f.find(words("a1 a2"));
        QCOMPARE(editablesFromMimeData(drag->mimeData()).size(), 3);
        QVERIFY(dragAndDrop(&f.table, QList<Editable *>(firstTwo.cbegin(), firstTwo.cend()), onA3));
        QCOMPARE(f.mainList(), words("b1 b2 a3 a2 a1"));

        QVERIFY(giveFocus(&f.table));
        pressKey(Qt::Key_A, Qt::ControlModifier);
        f.filter.setText(u"a1"_s);
        pressKey(Qt::Key_Delete);
        QCOMPARE(f.mainList(), words("b1 b2 a3 a2"));
        QCOMPARE(f.table.rowCountText(), u"0 of 4 channels"_s);
    }

    void selectDuplicatesThenDeleteLeavesOneOfEach_data()
    {
        QTest::addColumn<QString>("shownFirst"); // main, provider, group
        QTest::addColumn<QString>("filter");
        QTest::addRow("main list") << u"main"_s << QString();
        QTest::addRow("provider without the extras") << u"provider"_s << QString();
        QTest::addRow("group holding them all") << u"group"_s << QString();
        QTest::addRow("filter hiding an extra") << u"main"_s << u"one"_s;
        QTest::addRow("filter showing them all") << u"main"_s << u"x"_s;
    }
    void selectDuplicatesThenDeleteLeavesOneOfEach()
    {
        QFETCH(QString, shownFirst);
        QFETCH(QString, filter);
        TableFixture f;
        Transponder *transponder = f.transponder(u"S"_s);
        Provider *provider = f.provider(u"P"_s);
        f.channels("x-one x-two x-one-again x-other x-two-again x-one-third");
        const QList<int> serviceIds { 1, 2, 1, 3, 2, 1 };
        const QList<Channel *> all = f.settings.channels();
        for (int i = 0; i < all.size(); ++i) {
            all.at(i)->setTransponder(transponder);
            all.at(i)->setServiceId(quint16(serviceIds.at(i)));
        }
        all.first()->setProvider(provider);
        FavoriteGroup *extrasOnly = f.group("x-other x-one-third x-two-again");
        FavoriteGroup *bothCopies = f.group("x-one-again x-one");
        if (shownFirst == u"provider")
            f.show(provider);
        else if (shownFirst == u"group")
            f.show(f.group("x-one x-two x-one-again x-other x-two-again x-one-third"));
        f.filter.setText(filter);
        QVERIFY(f.exposeTable());

        contextMenu(&f.table, QPoint(5, 5), u"Select D&uplicates"_s);
        QCOMPARE(f.shown, f.settings.satellitesRoot());
        QCOMPARE(f.filter.text(), filter == u"x" ? filter : QString());
        QCOMPARE(f.table.focusWidget(), &f.table);
        QVERIFY(giveFocus(&f.table));
        pressKey(Qt::Key_Delete);
        QCOMPARE(f.mainList(), words("x-one x-two x-other"));
        // The copies kept take the places of the deleted ones in the groups.
        QCOMPARE(f.groupList(extrasOnly), words("x-other x-one x-two"));
        QCOMPARE(f.groupList(bothCopies), words("x-one"));
    }

    void newStoreEmptiesTheTable()
    {
        TestTable table;
        // Without a store, the slots must not reach for one.
        table.createChannel();
        table.deleteSelectedChannels();
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
        QCOMPARE(table.model()->index(0, Col::NameColumn).data().toString(), u"fresh"_s);
        // A store that goes while its rows are shown leaves them empty; a
        // sort or a paint must not reach for its channels.
        table.setSortingEnabled(true);
        auto third = std::make_unique<TestSettings>();
        table.setSettings(third.get());
        for (int i = 0; i < 2; ++i)
            third->addChannel(nullptr, new Channel);
        table.showChannels(third->satellitesRoot(), third->channels());
        third.reset();
        table.sortByColumn(Col::NameColumn, Qt::DescendingOrder);
        QCOMPARE(table.model()->index(1, Col::NameColumn).data(), QVariant());
    }
};

QTEST_MAIN(TestChannelListWidget)
#include "tst_channellistwidget.moc"
