#include "commands/settingshistory.h"
#include "demoeditorfixture.h"
#include "formats/recognizesettings.h"
#include "model/channel.h"
#include "model/favoritegroup.h"
#include "model/rooteditable.h"
#include "store/settings.h"
#include "ui/channellistwidget.h"
#include "ui/editabletreewidget.h"
#include "uitest.h"

#include <QHeaderView>
#include <QInputDialog>
#include <QMainWindow>
#include <QMimeData>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryFile>
#include <QUndoStack>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Positions written "3 5-7" stand for 3 5 6 7.
QList<int> positions(const QString &text)
{
    QList<int> result;
    for (const QString &part : text.split(u' ', Qt::SkipEmptyParts)) {
        const QStringList ends = part.split(u'-');
        for (int i = ends.first().toInt(); i <= ends.last().toInt(); ++i)
            result.append(i);
    }
    return result;
}

// Names as a set, for selections, whose order follows the clicks.
QStringList sortedNames(const QList<Channel *> &channels)
{
    QStringList list = names(channels);
    list.sort();
    return list;
}

QStringList namesAt(const QList<Channel *> &list, const QList<int> &places)
{
    QStringList names;
    for (const int place : places)
        names.append(list.value(place) ? list.value(place)->name() : u"?"_s);
    return names;
}

// The file a save should write: the demo with the shown list in that order,
// put there through the store alone.
QByteArray expectedFile(const QString &demoPath, const QString &group, const QStringList &order)
{
    QFile source(demoPath);
    if (!source.open(QIODevice::ReadOnly))
        return {};
    std::unique_ptr<Settings> settings(recognizeSettings(&source));
    Editable *context = nullptr;
    for (FavoriteGroup *candidate : settings->favoriteGroups())
        if (candidate->name() == group)
            context = candidate;
    QList<Channel *> channels;
    for (const QString &name : order)
        for (Channel *channel : settings->channels())
            if (channel->name() == name)
                channels.append(channel);
    QTemporaryFile target;
    if (!settings->reorderChannels(context, channels) || !target.open() || settings->save(&target) <= 0)
        return {};
    target.seek(0);
    return target.readAll();
}

// The actions along a path of texts below the Edit menu, mnemonics left out;
// fewer than the texts when one is missing.
QList<QAction *> editMenuActions(SettingsEditor &editor, const QStringList &path)
{
    QList<QAction *> actions;
    QMenu *menu = editor.mainWindow()->findChild<QMenu *>(u"menuEdit"_s);
    for (const QString &text : path) {
        QAction *found = nullptr;
        for (QAction *action : menu ? menu->actions() : QList<QAction *>())
            if (action->text().remove(u'&') == text)
                found = action;
        if (!found)
            break;
        actions.append(found);
        menu = found->menu();
    }
    return actions;
}

QAction *editMenuAction(SettingsEditor &editor, const QStringList &path)
{
    const QList<QAction *> actions = editMenuActions(editor, path);
    return actions.size() == path.size() ? actions.last() : nullptr;
}

} // namespace

class TestChannelOrderActions : public QObject
{
    Q_OBJECT

    DemoEditorFixture m_demo;

    QByteArray saved(SettingsEditor &editor)
    {
        if (giveFocus(editor.mainWindow()->findChild<ChannelListWidget *>()))
            pressKeys(QKeySequence::Save);
        return readFileBytes(m_demo.path);
    }

private slots:
    void initTestCase() { m_demo.prepare(); }
    void cleanup()
    {
        cancelPendingModalDrivers();
        // Each case starts from the list order, not the sort a case left behind.
        QSettings().clear();
    }

    // Each action as the user reaches it, on the main list (TV 0-13, radio
    // 14-19 of the demo) or a group: the new order, the status bar when
    // the TV block held channels back, the selection following the moved
    // channels, one named step, and the bytes saved, undone and redone.
    void actionsReorderTheShownListAsOneStep_data()
    {
        QTest::addColumn<QString>("group"); // empty: the main list
        QTest::addColumn<QString>("selected");
        // A key sequence (Ctrl+M=3 answers the dialog with 3), or a path in the Edit menu.
        QTest::addColumn<QString>("trigger");
        QTest::addColumn<QString>("expected"); // the old positions in their new order
        QTest::addColumn<bool>("clamped");
        QTest::addColumn<QString>("step");
        const QString sortedByName = u"2 3 0 4 5 12 13 1 11 9 10 8 6 7 14 15 16 19 18 17"_s;
        QTest::addRow("down, first row")
            << QString() << u"0"_s << u"Alt+Down"_s << u"1 0 2-19"_s << false << u"Move Channel Down"_s;
        QTest::addRow("up, apart") << QString() << u"3 5 15"_s << u"Alt+Up"_s
                                   << u"0 1 3 2 5 4 6-13 15 14 16-19"_s << false << u"Move 3 Channels Up"_s;
        QTest::addRow("up, into the TV block")
            << QString() << u"14"_s << u"Alt+Up"_s << u"0-19"_s << true << QString();
        QTest::addRow("down, last row")
            << QString() << u"19"_s << u"Alt+Down"_s << u"0-19"_s << false << QString();
        QTest::addRow("bottom of each block")
            << QString() << u"2 19"_s << u"Alt+End"_s << u"0 1 3-13 2 14-19"_s << false
            << u"Move 2 Channels to Bottom"_s;
        QTest::addRow("top of each block")
            << QString() << u"5 16"_s << u"Alt+Home"_s << u"5 0-4 6-13 16 14 15 17-19"_s << false
            << u"Move 2 Channels to Top"_s;
        QTest::addRow("position in the TV block")
            << QString() << u"10 11"_s << u"Ctrl+M=2"_s << u"0 10 11 1-9 12-19"_s << false
            << u"Move 2 Channels to Position 2"_s;
        QTest::addRow("position held at the boundary")
            << QString() << u"15 16"_s << u"Ctrl+M=3"_s << u"0-13 15 16 14 17-19"_s << true
            << u"Move 2 Channels to Position 3"_s;
        QTest::addRow("reverse") << QString() << u"0 1 2"_s << u"Order/Reverse Selection"_s << u"2 1 0 3-19"_s
                                 << false << u"Reverse 3 Channels"_s;
        QTest::addRow("sort selection by name")
            << QString() << u"0 1 2"_s << u"Order/Sort Selection By/Name"_s << u"2 0 1 3-19"_s << false
            << u"Sort 3 Channels by Name"_s;
        QTest::addRow("sort list by name") << QString() << u"0"_s << u"Order/Sort List By/Name"_s
                                           << sortedByName << true << u"Sort 20 Channels by Name"_s;
        QTest::addRow("take the header's sort") << QString() << u"0"_s << u"header:Name"_s << sortedByName
                                                << true << u"Order 20 Channels as Sorted by Name"_s;
        QTest::addRow("group, down") << u"Music"_s << u"1"_s << u"Alt+Down"_s << u"0 2 1 3"_s << false
                                     << u"Move Channel Down"_s;
        QTest::addRow("group, up into the TV block")
            << u"Music"_s << u"1"_s << u"Alt+Up"_s << u"0-3"_s << true << QString();
        QTest::addRow("group, position held") << u"Music"_s << u"3"_s << u"Ctrl+M=1"_s << u"0 3 1 2"_s << true
                                              << u"Move Channel to Position 1"_s;
        QTest::addRow("group, bottom, last row kept")
            << u"Music"_s << u"1 3"_s << u"Alt+End"_s << u"0 2 1 3"_s << false
            << u"Move 2 Channels to Bottom"_s;
        QTest::addRow("group, reverse") << u"Music"_s << u"1 2 3"_s << u"Order/Reverse Selection"_s
                                        << u"0 3 2 1"_s << false << u"Reverse 3 Channels"_s;
    }
    void actionsReorderTheShownListAsOneStep()
    {
        QFETCH(QString, group);
        QFETCH(QString, selected);
        QFETCH(QString, trigger);
        QFETCH(QString, expected);
        QFETCH(bool, clamped);
        QFETCH(QString, step);
        std::unique_ptr<SettingsEditor> editor = m_demo.openEditor();
        QMainWindow *window = editor->mainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        auto *tree = window->findChild<EditableTreeWidget *>();
        auto *table = window->findChild<ChannelListWidget *>();
        Settings *settings = editor->settings();
        Editable *context = nullptr;
        for (FavoriteGroup *candidate : settings->favoriteGroups())
            if (candidate->name() == group)
                context = candidate;
        Editable *shown = context ? context : static_cast<Editable *>(settings->satellitesRoot());
        if (QTreeWidgetItem *item = context ? tree->itemOf(context) : nullptr) {
            item->parent()->setExpanded(true);
            tree->scrollToItem(item);
            QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
        }
        const auto shownList = [&] {
            return names(editor->settings()->channelsOf(editor->settings()->editableById(shown->id())));
        };
        const QList<Channel *> before = settings->channelsOf(shown);
        QCOMPARE(table->currentEditable(), shown);
        // The rows show the list's own order.
        QCOMPARE(names(table->tableModel()->rows()), names(before));

        // Picked with the mouse, Ctrl held for all but the first.
        QList<Channel *> picked;
        for (const int place : positions(selected)) {
            picked.append(before.at(place));
            const QModelIndex index = table->model()->index(table->tableModel()->rowOf(before.at(place)), 1);
            table->scrollTo(index);
            QTest::mouseClick(table->viewport(), Qt::LeftButton,
                picked.size() == 1 ? Qt::NoModifier : Qt::ControlModifier, table->visualRect(index).center());
        }
        QCOMPARE(sortedNames(table->selectedChannels()), sortedNames(picked));
        const int steps = editor->history()->stack()->count();

        if (trigger.startsWith(u"header:")) {
            // Nothing to take while the rows stand in list order.
            QVERIFY(
                !editMenuAction(*editor, { u"Order"_s, u"Take the Table's Sort as Order"_s })->isEnabled());
            // Sorted by Name as the user sorts: a click on the column's header.
            QHeaderView *header = table->header();
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                QPoint(
                    header->sectionViewportPosition(ChannelColumns::NameColumn) + 5, header->height() / 2));
            QCOMPARE(header->sortIndicatorSection(), int(ChannelColumns::NameColumn));
            QCOMPARE(header->sortIndicatorOrder(), Qt::AscendingOrder);
            QStringList entries;
            chooseFromNextMenu(u"Ta&ke the Table's Sort as Order"_s, &entries);
            QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                table->header()->viewport()->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(table->header()->viewport(), &event);
            QCOMPARE(table->header()->sortIndicatorSection(), ChannelTableModel::PositionColumn);
        } else if (trigger.contains(u'/')) {
            const QList<QAction *> path = editMenuActions(*editor, trigger.split(u'/'));
            QVERIFY(path.size() == trigger.count(u'/') + 1 && path.last()->isEnabled());
            // Chosen through the menus from the table, as from the keyboard.
            chooseFromMenuBar(table, path.last());
        } else {
            const int position = trigger.section(u'=', 1).toInt();
            if (position > 0)
                onNextModal([position](QWidget *dialog) {
                    auto *input = qobject_cast<QInputDialog *>(dialog);
                    QVERIFY(input);
                    input->setIntValue(position);
                    input->accept();
                });
            QTRY_VERIFY(table->hasFocus());
            pressKeys(QKeySequence(trigger.section(u'=', 0, 0)));
        }
        QCoreApplication::processEvents();

        const QStringList after = namesAt(before, positions(expected));
        QCOMPARE(shownList(), after);
        QCOMPARE(names(table->tableModel()->rows()), after);
        QCOMPARE(window->statusBar()->currentMessage().isEmpty(), !clamped);
        if (step.isEmpty()) {
            QCOMPARE(editor->history()->stack()->count(), steps);
            return;
        }
        QCOMPARE(editor->history()->stack()->undoText(), step);
        if (!trigger.contains(u"List") && !trigger.startsWith(u"header:")) {
            QCOMPARE(sortedNames(table->selectedChannels()), sortedNames(picked));
            QVERIFY(table->viewport()->rect().intersects(table->visualRect(table->currentIndex())));
        }

        const QByteArray afterBytes = expectedFile(m_demo.path, group, after);
        QVERIFY(!afterBytes.isEmpty());
        QCOMPARE(saved(*editor), afterBytes);
        editor->history()->undo();
        QCOMPARE(saved(*editor), m_demo.demo);
        editor->history()->redo();
        QCOMPARE(saved(*editor), afterBytes);
    }

    // A .si file from a file manager opens, after the question about
    // unsaved changes; other files are refused.
    void droppedSettingsFileOpens()
    {
        std::unique_ptr<SettingsEditor> editor = m_demo.openEditor();
        auto *table = editor->mainWindow()->findChild<ChannelListWidget *>();
        QVERIFY(QTest::qWaitForWindowExposed(editor->mainWindow()));
        const QString other = m_demo.dir.filePath(u"other.si"_s);
        QVERIFY(writeFileBytes(other, m_demo.demo));
        editor->settings()->channels().constFirst()->setName(u"changed"_s);
        QCoreApplication::processEvents();

        QMimeData text;
        text.setUrls({ QUrl::fromLocalFile(m_demo.dir.filePath(u"notes.txt"_s)) });
        QVERIFY(!dragAndDropData(table, &text, QPoint(5, 5)));
        QMimeData file;
        file.setUrls({ QUrl::fromLocalFile(other) });
        QString question;
        answerNextMessage(&question, QMessageBox::Discard);
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction | Qt::MoveAction, &file, Qt::LeftButton, {});
        QApplication::sendEvent(table->viewport(), &enter);
        QVERIFY(enter.isAccepted());
        QCOMPARE(enter.dropAction(), Qt::CopyAction);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction | Qt::MoveAction, &file, Qt::LeftButton, {});
        QApplication::sendEvent(table->viewport(), &drop);
        QCOMPARE(drop.dropAction(), Qt::CopyAction);
        QTRY_COMPARE(editor->fileName(), other);
        QVERIFY(question.contains(u"unsaved"_s));
    }
};

QTEST_MAIN(TestChannelOrderActions)
#include "tst_channelorderactions.moc"
