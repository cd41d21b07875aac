#include "channel.h"
#include "channellistprinter.h"
#include "channellistwidget.h"
#include "demoeditorfixture.h"
#include "editabletreewidget.h"
#include "favoritegroup.h"
#include "printcontroller.h"
#include "satellite.h"
#include "settings.h"
#include "transponder.h"
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
#include <QTreeView>

using namespace Qt::StringLiterals;

namespace {

QStringList statusLabels(QMainWindow *window)
{
    QStringList texts;
    const QList<QLabel *> labels = window->statusBar()->findChildren<QLabel *>();
    for (const QLabel *label : labels)
        texts.append(label->text());
    return texts;
}

int pdfPages(const QByteArray &pdf)
{
    static const QRegularExpression page(u"/Type\\s*/Page(?!s)"_s);
    return int(QString::fromLatin1(pdf).count(page));
}

} // namespace

// The window's commands as the user reaches them: by keys and menus, with
// the status bar telling what a delete took.
class TestEditorCommands : public QObject
{
    Q_OBJECT

    DemoEditorFixture m_demo;

    std::unique_ptr<SettingsEditor> openAndActivate()
    {
        std::unique_ptr<SettingsEditor> editor = m_demo.openEditor();
        editor->mainWindow()->activateWindow();
        return editor;
    }

private slots:
    void initTestCase() { m_demo.prepare(); }
    void cleanup() { cancelPendingModalDrivers(); }

    void closeAndQuitAskAboutChanges_data()
    {
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<bool>("modified");
        QTest::addColumn<int>("answer"); // to the question about changes
        QTest::addColumn<bool>("gone"); // the file for Close, the window for Quit
        const QKeySequence close(Qt::CTRL | Qt::Key_W), quit(Qt::CTRL | Qt::Key_Q);
        QTest::addRow("Ctrl+W closes the file") << close << false << 0 << true;
        QTest::addRow("Ctrl+W, cancel keeps it") << close << true << int(QMessageBox::Cancel) << false;
        QTest::addRow("Ctrl+W, discard closes") << close << true << int(QMessageBox::Discard) << true;
        QTest::addRow("Ctrl+Q quits") << quit << false << 0 << true;
        QTest::addRow("Ctrl+Q, cancel stays") << quit << true << int(QMessageBox::Cancel) << false;
    }
    void closeAndQuitAskAboutChanges()
    {
        QFETCH(QKeySequence, keys);
        QFETCH(bool, modified);
        QFETCH(int, answer);
        QFETCH(bool, gone);
        std::unique_ptr<SettingsEditor> editor = openAndActivate();
        QMainWindow *window = editor->mainWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QVERIFY(statusLabels(window).contains(u"Kelmora HD"_s));
        if (modified)
            editor->settings()->satellites().first()->setName(u"Renamed"_s);
        QString question;
        if (answer)
            answerNextMessage(&question, QMessageBox::StandardButton(answer));
        QTest::keySequence(window, keys);
        QCOMPARE(question.contains(u"unsaved changes"_s), bool(answer));
        if (keys == QKeySequence(Qt::CTRL | Qt::Key_Q)) {
            QCOMPARE(window->isVisible(), !gone);
        } else {
            QCOMPARE(!editor->settings(), gone);
            QVERIFY(window->isVisible());
        }
        if (gone && keys == QKeySequence(Qt::CTRL | Qt::Key_W)) {
            QCOMPARE(window->windowTitle(), u"Kelmora Settings Editor"_s);
            auto *tree = window->findChild<EditableTreeWidget *>();
            QCOMPARE(tree->satellitesItem()->childCount(), 0);
            QCOMPARE(window->findChild<ChannelListWidget *>()->model()->rowCount(), 0);
            QVERIFY(!statusLabels(window).contains(u"Kelmora HD"_s));
            // Nothing to close or save twice.
            QVERIFY(!window->findChild<QAction *>(u"actionClose"_s)->isEnabled());
            QVERIFY(!window->findChild<QAction *>(u"actionSave"_s)->isEnabled());
        }
        window->setWindowModified(false);
    }

    void findAndDownMoveBetweenFilterAndTable()
    {
        std::unique_ptr<SettingsEditor> editor = openAndActivate();
        QMainWindow *window = editor->mainWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        auto *table = window->findChild<ChannelListWidget *>();
        auto *filter = window->findChild<QLineEdit *>(u"channelFilterField"_s);
        auto *editMenu = window->findChild<QMenu *>(u"menuEdit"_s);
        QVERIFY(editMenu->actions().contains(filter->actions().value(0)));
        table->setFocus();
        QTest::keySequence(window, QKeySequence::Find);
        QVERIFY(filter->hasFocus());
        QTest::keyClicks(filter, editor->settings()->channels().at(1)->name());
        QTest::keyClick(filter, Qt::Key_Down);
        QVERIFY(table->hasFocus());
        QCOMPARE(table->currentIndex().row(), 0);
        // The names a screen reader gives the panes and the field.
        for (QWidget *widget : QList<QWidget *> { table, filter, window->findChild<EditableTreeWidget *>() })
            QVERIFY(!widget->accessibleName().isEmpty());
        for (const QDockWidget *dock : window->findChildren<QDockWidget *>())
            QCOMPARE(dock->accessibleName(), dock->windowTitle());
    }

    void contextMenuKeyOpensTheMenuOfTheFocusedView_data()
    {
        QTest::addColumn<bool>("inTree");
        QTest::addColumn<QString>("entry");
        QTest::addRow("tree") << true << u"&Edit…"_s;
        QTest::addRow("table") << false << u"Select &Columns…"_s;
    }
    void contextMenuKeyOpensTheMenuOfTheFocusedView()
    {
        QFETCH(bool, inTree);
        QFETCH(QString, entry);
        std::unique_ptr<SettingsEditor> editor = openAndActivate();
        QMainWindow *window = editor->mainWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        auto *tree = window->findChild<EditableTreeWidget *>();
        QAbstractItemView *view
            = inTree ? static_cast<QAbstractItemView *>(tree) : window->findChild<ChannelListWidget *>();
        if (inTree)
            tree->setCurrentItem(tree->itemOf(editor->settings()->satellites().first()));
        view->setFocus();
        QStringList shown;
        chooseFromNextMenu(QString(), &shown);
        QTest::keyClick(view, Qt::Key_F10, Qt::ShiftModifier);
        QTRY_VERIFY(shown.contains(entry));
    }

    void deleteSaysWhatWentAndHowToGetItBack_data()
    {
        QTest::addColumn<QString>("from"); // tree, table or group
        QTest::addRow("satellite with its cascade") << u"tree"_s;
        QTest::addRow("channel") << u"table"_s;
        QTest::addRow("channel out of a group") << u"group"_s;
    }
    void deleteSaysWhatWentAndHowToGetItBack()
    {
        QFETCH(QString, from);
        std::unique_ptr<SettingsEditor> editor = openAndActivate();
        QMainWindow *window = editor->mainWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        Settings *settings = editor->settings();
        auto *tree = window->findChild<EditableTreeWidget *>();
        auto *table = window->findChild<ChannelListWidget *>();
        const auto count = [](qsizetype n, const QString &what) {
            return n == 1 ? u"1 "_s + what : u"%1 %2s"_s.arg(n).arg(what);
        };
        QString expected;
        QAbstractItemView *view = table;
        if (from == u"tree") {
            Satellite *satellite = settings->satellites().first();
            expected = u"Deleted satellite %1 with %2 and %3"_s.arg(satellite->name(),
                count(settings->transpondersOf(satellite).size(), u"transponder"_s),
                count(settings->channelsOf(satellite).size(), u"channel"_s));
            tree->setCurrentItem(tree->itemOf(satellite));
            view = tree;
        } else {
            FavoriteGroup *group = settings->favoriteGroups().first();
            if (from == u"group") {
                tree->expandItem(tree->favoritesItem());
                QTest::mouseClick(
                    tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(tree->itemOf(group)).center());
            }
            QVERIFY(table->model()->rowCount() > 0);
            table->setCurrentIndex(table->model()->index(0, 0));
            const QString name = table->selectedChannels().value(0)->name();
            expected = from == u"group" ? u"Removed channel %1 from %2"_s.arg(name, group->name())
                                        : u"Deleted channel %1"_s.arg(name);
        }
        const qsizetype before = settings->channels().size();
        view->setFocus();
        QTest::keyClick(view, Qt::Key_Delete);
        QCOMPARE(window->statusBar()->currentMessage(), expected + u" — Ctrl+Z to undo"_s);
        QCoreApplication::processEvents(); // as between two key presses
        QTest::keySequence(window, QKeySequence::Undo);
        QCOMPARE(editor->settings()->channels().size(), before);
        window->setWindowModified(false);
    }

    void favoritesRootShowsEveryChannelAndNewOnes()
    {
        std::unique_ptr<SettingsEditor> editor = openAndActivate();
        QMainWindow *window = editor->mainWindow();
        auto *tree = window->findChild<EditableTreeWidget *>();
        auto *table = window->findChild<ChannelListWidget *>();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QTest::mouseClick(
            tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(tree->favoritesItem()).center());
        const int all = int(editor->settings()->channels().size());
        QCOMPARE(table->model()->rowCount(), all);

        table->selectionModel()->clear();
        onNextModal([](QWidget *dialog) {
            child<QComboBox>(dialog, "transponderComboBox")->setCurrentIndex(0);
            press(dialog, QDialogButtonBox::Ok);
        });
        table->createAction()->trigger();
        QCOMPARE(table->model()->rowCount(), all + 1);
        window->setWindowModified(false);
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
        QCOMPARE(ChannelListPrinter::pageText(2, 7), u"Page 2 of 7"_s);

        // What File > Export > PDF… writes.
        PrintController controller(&view, &view);
        controller.setFileName(u"demo.si"_s);
        const QByteArray pdf = controller.pdf();
        QVERIFY(pdf.startsWith("%PDF"));
        QCOMPARE(pdfPages(pdf) > 1, severalPages);
    }
};

QTEST_MAIN(TestEditorCommands)
#include "tst_editorcommands.moc"
