#include "demoeditorfixture.h"
#include "model/channel.h"
#include "model/favoritegroup.h"
#include "model/satellite.h"
#include "store/settings.h"
#include "ui/channellistwidget.h"
#include "ui/editabletreewidget.h"
#include "ui/print/channellistprinter.h"
#include "ui/print/printcontroller.h"
#include "uitest.h"

#include <QComboBox>
#include <QDockWidget>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QRegularExpression>
#include <QStandardItemModel>
#include <QStatusBar>

using namespace Qt::StringLiterals;

// The window's commands as the user reaches them: by keys and menus, with
// the status bar telling what a delete took.
class TestEditorCommands : public QObject
{
    Q_OBJECT

    DemoEditorFixture m_demo;
    std::unique_ptr<SettingsEditor> m_editor;
    QMainWindow *m_window = nullptr;
    EditableTreeWidget *m_tree = nullptr;
    ChannelListWidget *m_table = nullptr;

    void clickTreeItem(QTreeWidgetItem *item)
    {
        if (item->parent())
            m_tree->expandItem(item->parent());
        QTest::mouseClick(m_tree->viewport(), Qt::LeftButton, {}, m_tree->visualItemRect(item).center());
    }

private slots:
    void initTestCase() { m_demo.prepare(); }
    void init()
    {
        m_editor = m_demo.openEditor();
        m_window = m_editor->mainWindow();
        m_tree = m_window->findChild<EditableTreeWidget *>();
        m_table = m_window->findChild<ChannelListWidget *>();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
    }
    void cleanup()
    {
        cancelPendingModalDrivers();
        m_window->setWindowModified(false);
        m_editor.reset();
    }

    void closeAndQuitAskAboutChanges_data()
    {
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<int>("answer"); // to the question about changes; 0: nothing changed
        QTest::addColumn<bool>("gone"); // the file for Close, the window for Quit
        const QKeySequence close(Qt::CTRL | Qt::Key_W), quit(Qt::CTRL | Qt::Key_Q);
        QTest::addRow("Ctrl+W closes the file") << close << 0 << true;
        QTest::addRow("Ctrl+W, cancel keeps it") << close << int(QMessageBox::Cancel) << false;
        QTest::addRow("Ctrl+Q quits") << quit << 0 << true;
        QTest::addRow("Ctrl+Q, cancel stays") << quit << int(QMessageBox::Cancel) << false;
    }
    void closeAndQuitAskAboutChanges()
    {
        QFETCH(QKeySequence, keys);
        QFETCH(int, answer);
        QFETCH(bool, gone);
        auto *model = m_window->statusBar()->findChildren<QLabel *>().constLast();
        QCOMPARE(model->text(), u"Kelmora HD"_s);
        QString question;
        if (answer) {
            m_editor->settings()->satellites().first()->setName(u"Renamed"_s);
            answerNextMessage(&question, QMessageBox::StandardButton(answer));
        }
        QVERIFY(giveFocus(m_table));
        pressKeys(keys);
        QCOMPARE(question.contains(u"unsaved changes"_s), bool(answer));
        const bool quit = keys[0].key() == Qt::Key_Q;
        QCOMPARE(m_window->isVisible(), !(quit && gone));
        QCOMPARE(!m_editor->settings(), !quit && gone);
        if (!quit && gone) {
            QCOMPARE(m_window->windowTitle(), u"Kelmora Settings Editor"_s);
            QCOMPARE(m_tree->satellitesItem()->childCount() + m_table->model()->rowCount(), 0);
            QVERIFY(model->text().isEmpty());
            QVERIFY(!m_window->findChild<QAction *>(u"actionClose"_s)->isEnabled());
        }
    }

    void keyboardReachesFilterTableAndContextMenus()
    {
        auto *filter = m_window->findChild<QLineEdit *>(u"channelFilterField"_s);
        QVERIFY(m_window->findChild<QMenu *>(u"menuEdit"_s)->actions().contains(filter->actions().value(0)));
        QVERIFY(giveFocus(m_table));
        pressKeys(QKeySequence::Find);
        QVERIFY(filter->hasFocus());
        typeKeys(m_editor->settings()->channels().at(1)->name());
        pressKey(Qt::Key_Down);
        QVERIFY(m_table->hasFocus());
        QCOMPARE(m_table->currentIndex().row(), 0);

        m_tree->setCurrentItem(m_tree->itemOf(m_editor->settings()->satellites().first()));
        for (QAbstractItemView *view : QList<QAbstractItemView *> { m_table, m_tree }) {
            QStringList shown;
            chooseFromNextMenu(QString(), &shown);
            QVERIFY(giveFocus(view));
            pressKey(Qt::Key_F10, Qt::ShiftModifier);
            QTRY_VERIFY(shown.contains(u"&Delete"_s));
        }
        // The names a screen reader gives the panes, the field and the docks.
        for (const QWidget *widget : QList<QWidget *> { m_table, filter, m_tree })
            QVERIFY(!widget->accessibleName().isEmpty());
        for (const QDockWidget *dock : m_window->findChildren<QDockWidget *>())
            QCOMPARE(dock->accessibleName(), dock->windowTitle());
    }

    void deleteSaysWhatWentAndHowToGetItBack_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addRow("satellite with its cascade") << u"tree"_s;
        QTest::addRow("channel") << u"table"_s;
        QTest::addRow("channel out of a group") << u"group"_s;
    }
    void deleteSaysWhatWentAndHowToGetItBack()
    {
        QFETCH(QString, from);
        Settings *settings = m_editor->settings();
        const qsizetype before = settings->channels().size();
        const auto count = [](qsizetype n, const QString &what) {
            return n == 1 ? u"1 "_s + what : u"%1 %2s"_s.arg(n).arg(what);
        };
        QString expected;
        QAbstractItemView *view = m_table;
        if (from == u"tree") {
            Satellite *satellite = settings->satellites().first();
            expected = u"Deleted satellite %1 with %2 and %3"_s.arg(satellite->name(),
                count(settings->transpondersOf(satellite).size(), u"transponder"_s),
                count(settings->channelsOf(satellite).size(), u"channel"_s));
            m_tree->setCurrentItem(m_tree->itemOf(satellite));
            view = m_tree;
        } else {
            FavoriteGroup *group = settings->favoriteGroups().first();
            if (from == u"group")
                clickTreeItem(m_tree->itemOf(group));
            m_table->setCurrentIndex(m_table->model()->index(0, 0));
            const QString name = m_table->selectedChannels().value(0)->name();
            expected = from == u"group" ? u"Removed channel %1 from %2"_s.arg(name, group->name())
                                        : u"Deleted channel %1"_s.arg(name);
        }
        QVERIFY(giveFocus(view));
        pressKey(Qt::Key_Delete);
        QCOMPARE(m_window->statusBar()->currentMessage(), expected + u" — Ctrl+Z to undo"_s);
        QCoreApplication::processEvents(); // as between two key presses
        pressKeys(QKeySequence::Undo);
        QCOMPARE(m_editor->settings()->channels().size(), before);
    }

    void favoritesRootShowsEveryChannelAndNewOnes()
    {
        clickTreeItem(m_tree->favoritesItem());
        const int all = int(m_editor->settings()->channels().size());
        QCOMPARE(m_table->model()->rowCount(), all);
        m_table->selectionModel()->clear();
        onNextModal([](QWidget *dialog) {
            child<QComboBox>(dialog, "transponderComboBox")->setCurrentIndex(0);
            press(dialog, QDialogButtonBox::Ok);
        });
        QStringList shown;
        chooseFromNextMenu(u"&Create Channel…"_s, &shown);
        QVERIFY(giveFocus(m_table));
        pressKey(Qt::Key_F10, Qt::ShiftModifier);
        QCOMPARE(m_table->model()->rowCount(), all + 1);
    }

    void printedListHasTheShownColumnsOnNumberedPages_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<bool>("severalPages");
        QTest::addRow("a few rows") << 5 << false;
        QTest::addRow("a full file") << 10000 << true;
    }
    void printedListHasTheShownColumnsOnNumberedPages()
    {
        QFETCH(int, rows);
        QFETCH(bool, severalPages);
        QStandardItemModel model(rows, 3);
        model.setHorizontalHeaderLabels({ u"Id"_s, u"Name"_s, u"SID"_s });
        QTreeView view;
        view.setModel(&model);
        view.header()->moveSection(2, 0);
        view.setColumnHidden(0, true);
        ChannelListPrinter printer(&model, view.header());
        QCOMPARE(printer.columns(), (QList<int> { 2, 1 }));
        printer.setFileName(u"/somewhere/demo.si"_s);
        QVERIFY(printer.headerText().startsWith(u"demo.si, "_s));

        // What File > Export > PDF… writes.
        const QByteArray pdf = PrintController(&view, &view).pdf();
        QVERIFY(pdf.startsWith("%PDF"));
        static const QRegularExpression page(u"/Type\\s*/Page(?!s)"_s);
        QCOMPARE(QString::fromLatin1(pdf).count(page) > 1, severalPages);
    }
};

QTEST_MAIN(TestEditorCommands)
#include "tst_editorcommands.moc"
