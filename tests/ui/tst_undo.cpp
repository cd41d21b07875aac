#include "commands/settingshistory.h"
#include "demosettingsbuilder.h"
#include "faultydevices.h"
#include "filebytes.h"
#include "kelmoratestimage.h"
#include "model/channel.h"
#include "model/favoritegroup.h"
#include "model/provider.h"
#include "model/satellite.h"
#include "store/settings.h"
#include "ui/channellistwidget.h"
#include "ui/editabletreewidget.h"
#include "ui/settingseditor.h"
#include "uitest.h"

#include <QAction>
#include <QDockWidget>
#include <QFile>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoView>

#include <memory>

using namespace Qt::StringLiterals;

namespace {
enum Action { DeleteKeyInTree, DialogAccepted, DropOnGroup, DropOnGroupHoldingOne };
} // namespace

// Undo and redo as the user reaches them: the Edit menu, its keys, the
// modified marker, and the panes after each step.
class TestUndo : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_path;

    std::unique_ptr<SettingsEditor> openEditor()
    {
        auto editor = std::make_unique<SettingsEditor>(nullptr);
        QFile file(m_path);
        const QByteArray bytes = DemoSettingsBuilder::demoFile(DemoSettingsBuilder::Model::KelmoraHD);
        if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()) {
            file.close();
            editor->loadFile(m_path);
        }
        QMainWindow *window = editor->mainWindow();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window))
            return nullptr;
        return editor;
    }

    static QMenu *editMenu(SettingsEditor &editor)
    {
        return editor.mainWindow()->findChild<QMenu *>(u"menuEdit"_s);
    }
    static QAction *undoAction(SettingsEditor &editor) { return editMenu(editor)->actions().at(0); }
    static QAction *redoAction(SettingsEditor &editor) { return editMenu(editor)->actions().at(1); }

    // Selects the table's first rows the way a user extends a selection.
    static void selectRows(ChannelListWidget *table, int count)
    {
        QTest::mouseClick(
            table->viewport(), Qt::LeftButton, {}, table->visualRect(table->model()->index(0, 0)).center());
        QTRY_VERIFY(table->hasFocus());
        for (int row = 1; row < count; ++row)
            pressKey(Qt::Key_Down, Qt::ShiftModifier);
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings().clear();
        QVERIFY(m_dir.isValid());
        m_path = m_dir.filePath(u"demo-hd.si"_s);
    }
    void cleanup() { cancelPendingModalDrivers(); }

    void editMenuNamesTheStepsAndFollowsTheCleanState()
    {
        std::unique_ptr<SettingsEditor> editor = openEditor();
        QVERIFY(editor);
        QMainWindow *window = editor->mainWindow();
        QCOMPARE(window->menuBar()->actions().at(1)->menu(), editMenu(*editor));
        QVERIFY(!undoAction(*editor)->isEnabled() && !redoAction(*editor)->isEnabled());
        auto *table = window->findChild<ChannelListWidget *>();
        Settings *settings = editor->settings();
        const qsizetype channels = settings->channels().size();

        selectRows(table, 3);
        pressKey(Qt::Key_Delete);
        QCoreApplication::processEvents();
        QCOMPARE(settings->channels().size(), channels - 3);
        QCOMPARE(undoAction(*editor)->text(), u"Undo Delete 3 Channels"_s);
        QVERIFY(undoAction(*editor)->isEnabled() && !redoAction(*editor)->isEnabled());
        QVERIFY(window->isWindowModified());

        // Undoing back to the load leaves nothing unsaved.
        pressKey(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(settings->channels().size(), channels);
        QVERIFY(!window->isWindowModified());
        QCOMPARE(redoAction(*editor)->text(), u"Redo Delete 3 Channels"_s);
        QVERIFY(!undoAction(*editor)->isEnabled() && redoAction(*editor)->isEnabled());
        pressKey(Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(settings->channels().size(), channels - 3);
        QVERIFY(window->isWindowModified());

        // A save is the new clean point: undoing away from it marks the file again.
        editor->eventSave();
        QVERIFY(!window->isWindowModified());
        settings->dropEditables({ settings->channels().at(4) }, settings->channels().at(0), nullptr);
        QCoreApplication::processEvents();
        QVERIFY(window->isWindowModified());
        pressKey(Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!window->isWindowModified());
        QCOMPARE(redoAction(*editor)->text(), u"Redo Move Channel"_s);
        pressKey(Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(window->isWindowModified());

        // Another file, or the same one again, starts a history of its own.
        editor->eventSave();
        QVERIFY(editor->loadFile(m_path));
        QVERIFY(!undoAction(*editor)->isEnabled() && !redoAction(*editor)->isEnabled());
        QVERIFY(!window->isWindowModified());
    }

    void undoBringsObjectsBackAndKeepsTheUsersPlace()
    {
        std::unique_ptr<SettingsEditor> editor = openEditor();
        QVERIFY(editor);
        QMainWindow *window = editor->mainWindow();
        auto *tree = window->findChild<EditableTreeWidget *>();
        auto *table = window->findChild<ChannelListWidget *>();
        Settings *settings = editor->settings();
        const quint64 keptId = settings->satellites().first()->id();
        const quint64 deletedId = settings->satellites().last()->id();
        const qsizetype transponders = settings->transponders().size();
        tree->expandItem(tree->satellitesItem());
        tree->expandItem(tree->itemOfId(keptId));

        auto click = [tree](quint64 id) {
            QTest::mouseClick(
                tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(tree->itemOfId(id)).center());
            QTRY_VERIFY(tree->hasFocus());
        };
        click(deletedId);
        pressKey(Qt::Key_Delete);
        QCoreApplication::processEvents();
        QVERIFY(!tree->itemOfId(deletedId));
        click(keptId);
        const int shown = table->model()->rowCount();
        QVERIFY(shown > 0 && shown < settings->channels().size());

        selectRows(table, 2);
        const QList<quint64> selectedRows = table->selectedChannelIds();
        QCOMPARE(selectedRows.size(), 2);

        pressKey(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(settings->transponders().size(), transponders);
        QVERIFY(tree->itemOfId(deletedId));
        QVERIFY(tree->itemOfId(keptId)->isExpanded());
        QCOMPARE(tree->selectedItems(), QList<QTreeWidgetItem *> { tree->itemOfId(keptId) });
        QCOMPARE(table->currentEditable(), settings->editableById(keptId));
        QCOMPARE(table->model()->rowCount(), shown);
        QCOMPARE(table->channels(), settings->channelsOf(settings->editableById(keptId)));
        QCOMPARE(table->selectedChannelIds(), selectedRows);
    }

    // What the user did names the step, not a guess from what changed.
    void actionsNameTheirSteps_data()
    {
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("step"); // %1: the object's name
        QTest::addRow("Delete key on a satellite") << int(DeleteKeyInTree) << u"Delete Satellite %1"_s;
        QTest::addRow("satellite dialog accepted") << int(DialogAccepted) << u"Edit Satellite %1"_s;
        QTest::addRow("channels dropped on a group") << int(DropOnGroup) << u"Add 2 Channels to Group %1"_s;
        QTest::addRow("dropped on a group that holds one")
            << int(DropOnGroupHoldingOne) << u"Add Channel {joining} to Group %1"_s;
    }
    void actionsNameTheirSteps()
    {
        QFETCH(int, action);
        QFETCH(QString, step);
        std::unique_ptr<SettingsEditor> editor = openEditor();
        QVERIFY(editor);
        auto *tree = editor->mainWindow()->findChild<EditableTreeWidget *>();
        Settings *settings = editor->settings();
        Satellite *satellite = settings->satellites().constLast();
        FavoriteGroup *group = settings->favoriteGroups().constFirst();
        const QList<Editable *> dragged { settings->channels().at(5), settings->channels().at(6) };
        QVERIFY(!settings->channelsOf(group).contains(settings->channels().at(5)));
        tree->expandAll();
        QTest::mouseClick(
            tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(tree->itemOf(satellite)).center());
        QTRY_VERIFY(tree->hasFocus());
        QString name = satellite->name();
        switch (action) {
        case DeleteKeyInTree:
            pressKey(Qt::Key_Delete);
            break;
        case DialogAccepted:
            onNextModal([](QWidget *dialog) {
                child<QLineEdit>(dialog, "nameLineEdit")->setText(u"Astra 2F"_s);
                press(dialog, QDialogButtonBox::Ok);
            });
            pressKey(Qt::Key_Return);
            break;
        case DropOnGroupHoldingOne:
            settings->addChannel(group, settings->channels().at(6));
            QCoreApplication::processEvents();
            [[fallthrough]];
        case DropOnGroup:
            name = group->name();
            QVERIFY(dragAndDrop(tree, dragged, tree->visualItemRect(tree->itemOf(group)).center()));
            break;
        }
        QCoreApplication::processEvents();
        step.replace(u"{joining}"_s, settings->channels().at(5)->name());
        QCOMPARE(editor->history()->stack()->undoText(), step.arg(name));
        editor->mainWindow()->setWindowModified(false);
    }

    // Undoing a drop of channels changes channel lists only: the tree keeps
    // its items, so a group's and a satellite's item stay the same objects.
    void undoingAChannelDropKeepsTheTreesItems_data()
    {
        QTest::addColumn<bool>("ontoGroup");
        QTest::addRow("onto a favourite group") << true;
        QTest::addRow("reordered") << false;
    }

    void undoingAChannelDropKeepsTheTreesItems()
    {
        QFETCH(bool, ontoGroup);
        std::unique_ptr<SettingsEditor> editor = openEditor();
        QVERIFY(editor);
        auto *tree = editor->mainWindow()->findChild<EditableTreeWidget *>();
        auto *table = editor->mainWindow()->findChild<ChannelListWidget *>();
        Settings *settings = editor->settings();
        Editable *group = settings->favoriteGroups().first();
        Editable *satellite = settings->satellites().first();
        QTreeWidgetItem *groupItem = tree->itemOf(group);
        QTreeWidgetItem *satelliteItem = tree->itemOf(satellite);
        QVERIFY(groupItem && satelliteItem);
        const QList<Channel *> channels = settings->channels();
        // Onto the group in the tree, or onto the first row of the table.
        tree->expandAll();
        QAbstractItemView *view = ontoGroup ? static_cast<QAbstractItemView *>(tree) : table;
        const QPoint at = ontoGroup ? tree->visualItemRect(groupItem).center()
                                    : table->visualRect(table->model()->index(0, 0)).center();
        QVERIFY(dragAndDrop(view, { channels.at(5), channels.at(6) }, at));
        QCoreApplication::processEvents();
        QVERIFY(editor->history()->stack()->canUndo());
        QVERIFY(giveFocus(table));
        pressKey(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(settings->channels(), channels);
        QCOMPARE(tree->itemOf(group), groupItem);
        QCOMPARE(tree->itemOf(satellite), satelliteItem);
    }

    // A save that merged providers and then failed: its tidying is a step of
    // its own, and a click on the dock's first entry gives back the opened
    // file, as Edit > Undo does.
    void historyDockClickGivesBackTheOpenedFile()
    {
        std::unique_ptr<SettingsEditor> editor = openEditor();
        QVERIFY(editor);
        const QByteArray opened = readFileBytes(m_path);
        Settings *settings = editor->settings();
        settings->channels().at(7)->setProvider(settings->providers().at(1));
        QCoreApplication::processEvents();
        settings->providers().at(1)->setName(settings->providers().first()->name());
        QCoreApplication::processEvents();
        fillDiskAfter(editor->saver(), 4096);
        QString message;
        answerNextMessage(&message);
        editor->eventSave();
        QVERIFY(!message.isEmpty());

        QVERIFY(giveFocus(editor->mainWindow()->findChild<ChannelListWidget *>()));
        chooseFromMenuBar({ u"&Edit"_s, u"Undo &History"_s });
        auto *view = editor->mainWindow()->findChild<QUndoView *>();
        QVERIFY(view && view->isVisible());
        QCOMPARE(view->model()->rowCount(), 4);
        QCOMPARE(editor->history()->stack()->text(2), u"Tidy for Saving"_s);
        QTest::mouseClick(
            view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(0, 0)).center());
        QCOMPARE(editor->history()->stack()->index(), 0);
        QVERIFY(saveBytes(settings) == opened);
        editor->mainWindow()->setWindowModified(false);
    }
};

QTEST_MAIN(TestUndo)
#include "tst_undo.moc"
