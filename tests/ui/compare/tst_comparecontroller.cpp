#include "commands/settingshistory.h"
#include "compare/copiedchannel.h"
#include "demoeditorfixture.h"
#include "kelmoratestimage.h"
#include "model/channel.h"
#include "model/favoritegroup.h"
#include "ui/channellistwidget.h"
#include "ui/compare/comparecontroller.h"
#include "ui/compare/comparedock.h"
#include "ui/compare/comparisonview.h"
#include "ui/editablemimedata.h"
#include "ui/editabletreewidget.h"
#include "uitest.h"

#include <QAction>
#include <QComboBox>
#include <QDrag>
#include <QMainWindow>
#include <QStatusBar>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

Channel *named(const Settings &settings, const QString &name)
{
    for (Channel *channel : settings.channels())
        if (channel->name() == name)
            return channel;
    return nullptr;
}

// A double click arrives after the press and release of its first click.
void doubleClickFirstRow(QAbstractItemView *view)
{
    const QPoint row = view->visualRect(view->model()->index(0, 2)).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, row);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, row);
}

} // namespace

// The window opened on the demo file less one channel and with another
// renamed, compared with the demo file itself.
class TestCompareController : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_fixture.prepare();
        m_otherPath = m_fixture.dir.filePath(u"other.si"_s);
        QVERIFY(writeFileBytes(m_otherPath, m_fixture.demo));
        std::unique_ptr<Settings> edited = loadBytes(m_fixture.demo);
        m_missing = edited->channels().at(2)->name();
        m_renamed = edited->channels().at(0)->name();
        edited->removeChannels(nullptr, { edited->channels().at(2) });
        edited->channels().at(0)->setName(u"Renamed"_s);
        m_fixture.demo = saveBytes(edited.get());
        QVERIFY(!m_fixture.demo.isEmpty());
    }

    void cleanup() { cancelPendingModalDrivers(); }

    // Counts in the header, the filter, and a double click that selects
    // the channel in the table or in the other file's channels.
    void dockShowsAndLeadsToTheChannels()
    {
        const auto editor = m_fixture.openEditor();
        QVERIFY(QTest::qWaitForWindowExposed(editor->mainWindow()));
        CompareController *compare = editor->compare();
        QVERIFY(compare->compareWith(m_otherPath));
        CompareDock *dock = compare->dock();
        QVERIFY(dock->isVisible());
        QVERIFY2(
            dock->headerText().contains(u"0 only in this file, 1 only in the other, 1 changed, 0 moved"_s),
            qPrintable(dock->headerText()));

        ComparisonView *view = dock->view();
        auto *filter = dock->findChild<QComboBox *>(u"compareKindFilter"_s);
        filter->setCurrentIndex(1 + int(Difference::Kind::Changed));
        QCOMPARE(view->model()->rowCount(), 1);
        doubleClickFirstRow(view);
        ChannelListWidget *table = editor->mainWindow()->findChild<ChannelListWidget *>();
        QCOMPARE(table->selectedChannels(), QList<Channel *> { named(*editor->settings(), u"Renamed"_s) });

        filter->setCurrentIndex(1 + int(Difference::Kind::OnlyThere));
        QCOMPARE(view->model()->rowCount(), 1);
        doubleClickFirstRow(view);
        auto *other = dock->findChild<QTreeView *>(u"otherFileView"_s);
        QVERIFY(other->isVisible());
        QCOMPARE(other->currentIndex().row(), 2);
    }

    // The channel only the other file has, dragged by mouse from the dock
    // onto a row of the table or onto a favourite group: copied in front of
    // the row or into the group, one step to undo.
    void dragFromTheDockCopies_data()
    {
        QTest::addColumn<bool>("ontoGroup");
        QTest::addColumn<bool>("fromOtherEditor");
        QTest::addRow("onto a row of the table") << false << false;
        QTest::addRow("onto a favourite group") << true << false;
        QTest::addRow("another editor's drag onto a row") << false << true;
    }
    void dragFromTheDockCopies()
    {
        QFETCH(bool, ontoGroup);
        const auto editor = m_fixture.openEditor();
        QVERIFY(QTest::qWaitForWindowExposed(editor->mainWindow()));
        Settings *settings = editor->settings();
        const qsizetype before = settings->channels().size();
        QVERIFY(editor->compare()->compareWith(m_otherPath));
        ComparisonView *view = editor->compare()->dock()->view();
        view->model()->sort(-1);
        editor->compare()
            ->dock()
            ->findChild<QComboBox *>(u"compareKindFilter"_s)
            ->setCurrentIndex(1 + int(Difference::Kind::OnlyThere));
        const QPoint row = view->visualRect(view->model()->index(0, 2)).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, row);
        QTest::mousePress(view->viewport(), Qt::LeftButton, {}, row);
        QTest::mouseMove(view->viewport(), row + QPoint(0, 3));
        QTest::mouseMove(view->viewport(), row + QPoint(0, 40));
        QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, row + QPoint(0, 40));
        const auto *drag = view->findChild<QDrag *>();
        QVERIFY(drag && drag->mimeData()->hasFormat(CopiedChannel::mimeType));
        // What another running editor's table offers: its pointers mean
        // nothing here, its values do.
        QFETCH(bool, fromOtherEditor);
        QMimeData foreign;
        foreign.setData(EditableMimeData::mimeType, "0x1234");
        foreign.setData(CopiedChannel::mimeType, drag->mimeData()->data(CopiedChannel::mimeType));
        const QMimeData *payload = fromOtherEditor ? &foreign : drag->mimeData();

        ChannelListWidget *table = editor->mainWindow()->findChild<ChannelListWidget *>();
        EditableTreeWidget *tree = editor->mainWindow()->findChild<EditableTreeWidget *>();
        FavoriteGroup *group = settings->favoriteGroups().at(0);
        Channel *target = settings->channels().at(1);
        tree->scrollToItem(tree->itemOf(group));
        const QPoint at = ontoGroup ? tree->visualItemRect(tree->itemOf(group)).center()
                                    : table->visualRect(table->model()->index(1, 1)).center();
        QVERIFY(dragAndDropData(ontoGroup ? static_cast<QAbstractItemView *>(tree) : table, payload, at));

        Channel *copied = named(*settings, m_missing);
        QVERIFY(copied);
        if (ontoGroup)
            QVERIFY(settings->channelsOf(group).contains(copied));
        else
            QCOMPARE(
                settings->mainChannelList().indexOf(copied) + 1, settings->mainChannelList().indexOf(target));
        QVERIFY2(editor->mainWindow()->statusBar()->currentMessage().startsWith(
                     u"Channels copied: 1; skipped because this file already has them: 0."_s),
            qPrintable(editor->mainWindow()->statusBar()->currentMessage()));
        editor->history()->commitPending();
        editor->history()->undo();
        QCOMPARE(editor->settings()->channels().size(), before);
    }

    // "Copy to This File" from the dock's context menu; the second time the
    // channel is already there and skipped.
    void copyActionSkipsWhatIsThere()
    {
        const auto editor = m_fixture.openEditor();
        QVERIFY(editor->compare()->compareWith(m_otherPath));
        CompareDock *dock = editor->compare()->dock();
        ComparisonView *view = dock->view();
        view->selectAll();
        QVERIFY(dock->copyAction()->isEnabled());
        QStringList shown;
        chooseFromNextMenu(u"Copy to &This File"_s, &shown);
        // A right click on a selected row.
        const QPoint pos = view->visualRect(view->model()->index(0, 0)).center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, pos, view->viewport()->mapToGlobal(pos));
        QApplication::sendEvent(view->viewport(), &event);
        QVERIFY(named(*editor->settings(), m_missing));
        // The renamed channel has the same ids: skipped.
        QCOMPARE(editor->mainWindow()->statusBar()->currentMessage(),
            u"Channels copied: 1; skipped because this file already has them: 1."_s);
    }

private:
    DemoEditorFixture m_fixture;
    QString m_otherPath;
    QString m_missing;
    QString m_renamed;
};

QTEST_MAIN(TestCompareController)
#include "tst_comparecontroller.moc"
