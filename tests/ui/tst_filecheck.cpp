#include "demoeditorfixture.h"
#include "filebytes.h"
#include "model/channel.h"
#include "model/provider.h"
#include "model/satellite.h"
#include "store/settings.h"
#include "ui/channellistwidget.h"
#include "ui/check/filecheckcontroller.h"
#include "ui/check/problemlistwidget.h"
#include "ui/editabletreewidget.h"
#include "ui/settingseditor.h"
#include "uitest.h"

#include <QAction>
#include <QDockWidget>
#include <QMainWindow>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

QAction *action(SettingsEditor &editor, const QString &name)
{
    return editor.mainWindow()->findChild<QAction *>(name);
}

// A PID above the 13 bits of a transport stream: an error the save must ask about.
Channel *breakPid(Settings *settings, int index = 0)
{
    Channel *channel = settings->channels().at(index);
    channel->setVideoPid(9000);
    return channel;
}

void doubleClickProblemOf(ProblemListWidget *list, const Editable *object)
{
    const QString text = FileProblem::objectText(object);
    const QList<QTreeWidgetItem *> items
        = list->findItems(text, Qt::MatchExactly, ProblemListWidget::ObjectColumn);
    QVERIFY2(!items.isEmpty(), qPrintable(text));
    list->scrollToItem(items.constFirst());
    const QPoint at = list->visualItemRect(items.constFirst()).center();
    QVERIFY(list->viewport()->rect().contains(at));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

} // namespace

class TestFileCheck : public QObject
{
    Q_OBJECT

    DemoEditorFixture m_demo;

    std::unique_ptr<SettingsEditor> openEditor() const { return m_demo.openEditor(); }

private slots:
    void initTestCase() { m_demo.prepare(); }
    void cleanup()
    {
        cancelPendingModalDrivers();
        // The window keeps the dock's visibility between runs; each test starts without it.
        QSettings().clear();
    }

    void checkShowsTheDockAndFollowsEdits()
    {
        SettingsEditor empty(nullptr);
        QVERIFY(!action(empty, u"actionCheckFile"_s)->isEnabled());

        std::unique_ptr<SettingsEditor> editor = openEditor();
        FileCheckController *check = editor->fileCheck();
        QVERIFY(!check->dock()->isVisible());
        QCOMPARE(editor->mainWindow()->dockWidgetArea(check->dock()), Qt::BottomDockWidgetArea);
        QVERIFY(giveFocus(editor->mainWindow()->findChild<ChannelListWidget *>()));
        chooseFromMenuBar({ u"&Tools"_s, u"&Check File"_s });
        QVERIFY(check->dock()->isVisible());
        // The demo file has leftovers only.
        QVERIFY2(!check->summaryText().contains(u"error"_s), qPrintable(check->summaryText()));

        // Edits of one turn are checked once they are all done.
        breakPid(editor->settings(), 0);
        breakPid(editor->settings(), 1);
        editor->settings()->channels().at(2)->setName(QString());
        const int before = check->problemList()->topLevelItemCount();
        QTRY_VERIFY2(
            check->summaryText().startsWith(u"2 errors, 1 warning"_s), qPrintable(check->summaryText()));
        QCOMPARE(check->problemList()->topLevelItemCount(), before + 3);
        editor->settings()->channels().at(2)->setName(u"Named"_s);
        QTRY_VERIFY(!check->summaryText().contains(u"warning"_s));

        // A file opened later is checked in the dock as it stands.
        editor->mainWindow()->setWindowModified(false);
        QVERIFY(editor->loadFile(m_demo.path));
        QVERIFY(!check->summaryText().contains(u"error"_s));
    }

    void doubleClickSelectsTheObject()
    {
        std::unique_ptr<SettingsEditor> editor = openEditor();
        Settings *settings = editor->settings();
        auto *tree = editor->mainWindow()->findChild<EditableTreeWidget *>();
        auto *table = editor->mainWindow()->findChild<ChannelListWidget *>();
        auto *lonely = new Satellite;
        lonely->setName(u"Lonely"_s);
        settings->addSatellite(lonely);
        Channel *broken = breakPid(settings, int(settings->channels().size()) - 1);
        // The table shows a provider that does not hold the broken channel.
        Provider *other = nullptr;
        for (Provider *provider : settings->providers())
            if (broken->provider() != provider && !settings->channelsOf(provider).isEmpty())
                other = provider;
        QVERIFY(other);
        tree->setCurrentItem(tree->itemOf(other));
        QVERIFY(!table->channels().contains(broken));
        editor->fileCheck()->checkFile();
        QVERIFY(QTest::qWaitForWindowExposed(editor->mainWindow()));
        ProblemListWidget *list = editor->fileCheck()->problemList();

        doubleClickProblemOf(list, lonely);
        QCOMPARE(tree->selectedEditables(), QList<Editable *> { lonely });

        doubleClickProblemOf(list, broken);
        QVERIFY(table->channels().contains(broken));
        QCOMPARE(table->selectedChannels(), QList<Channel *> { broken });
        QVERIFY(table->hasFocus());
        editor->mainWindow()->setWindowModified(false);
    }

    void saveAsksOnlyAboutErrors_data()
    {
        QTest::addColumn<bool>("error");
        QTest::addColumn<bool>("viaClose");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("written");
        QTest::addRow("a warning saves unasked") << false << false << -1 << true;
        QTest::addRow("save anyway writes") << true << false << int(QMessageBox::Save) << true;
        QTest::addRow("cancel keeps the file and shows the problems")
            << true << false << int(QMessageBox::Cancel) << false;
        QTest::addRow("closing: save, then cancel at the errors keeps the window")
            << true << true << int(QMessageBox::Cancel) << false;
    }
    void saveAsksOnlyAboutErrors()
    {
        QFETCH(bool, error);
        QFETCH(bool, viaClose);
        QFETCH(int, answer);
        QFETCH(bool, written);
        std::unique_ptr<SettingsEditor> editor = openEditor();
        Settings *settings = editor->settings();
        settings->channels().at(3)->setName(QString());
        if (error) {
            breakPid(settings, 0);
            breakPid(settings, 1);
            breakPid(settings, 2);
        }
        QString closeQuestion, text;
        if (viaClose)
            answerNextMessage(&closeQuestion, QMessageBox::Save);
        if (answer >= 0)
            answerNextMessage(&text, QMessageBox::StandardButton(answer));
        if (viaClose)
            QCOMPARE(editor->mainWindow()->close(), written);
        else {
            QVERIFY(giveFocus(editor->mainWindow()->findChild<ChannelListWidget *>()));
            pressKeys(QKeySequence::Save);
        }

        if (error) {
            QVERIFY2(text.contains(u"3 errors"_s), qPrintable(text));
            // The first two are named, the rest counted.
            QVERIFY2(text.contains(FileProblem::objectText(settings->channels().at(1))), qPrintable(text));
            QVERIFY2(text.contains(u"1 more"_s), qPrintable(text));
        }
        QCOMPARE(readFileBytes(m_demo.path) == m_demo.demo, !written);
        QCOMPARE(editor->mainWindow()->isWindowModified(), !written);
        QCOMPARE(editor->fileCheck()->dock()->isVisible(), error && !written);
        editor->mainWindow()->setWindowModified(false);
    }
};

QTEST_MAIN(TestFileCheck)
#include "tst_filecheck.moc"
