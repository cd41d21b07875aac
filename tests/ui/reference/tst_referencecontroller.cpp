#include "commands/settingshistory.h"
#include "demoeditorfixture.h"
#include "filebytes.h"
#include "model/channel.h"
#include "model/satellite.h"
#include "reference/referencelist.h"
#include "reference/referencelisttext.h"
#include "store/settings.h"
#include "ui/channellistwidget.h"
#include "ui/editabletreewidget.h"
#include "ui/settingseditor.h"
#include "uitest.h"

#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

// Chosen from the menu bar by the keyboard, from the channel table.
void trigger(SettingsEditor &editor, const QString &action)
{
    QMainWindow *window = editor.mainWindow();
    chooseFromMenuBar(window->findChild<ChannelListWidget *>(), window->findChild<QAction *>(action));
}

void answerFileDialog(const QString &caption, const QString &path)
{
    onNextModal([caption, path](QWidget *window) {
        auto *dialog = qobject_cast<QFileDialog *>(window);
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), caption);
        dialog->selectFile(path);
        if (auto *nameField = dialog->findChild<QLineEdit *>(u"fileNameEdit"_s))
            nameField->setText(path);
        QMetaObject::invokeMethod(dialog, &QDialog::accept);
    });
}

QList<QByteArray> lines(const QByteArray &text)
{
    QList<QByteArray> result = text.split('\n');
    if (!result.isEmpty() && result.constLast().isEmpty())
        result.removeLast();
    return result;
}

} // namespace

class TestReferenceController : public QObject
{
    Q_OBJECT

    DemoEditorFixture m_demo;

    std::unique_ptr<SettingsEditor> openEditor() const { return m_demo.openEditor(); }

private slots:
    void initTestCase() { m_demo.prepare(); }
    void cleanup() { cancelPendingModalDrivers(); }

    void applyOrderGoesThroughThePreview_data()
    {
        QTest::addColumn<QByteArray>("reference"); // empty: the moved channel's own line
        QTest::addColumn<bool>("apply");
        QTest::addColumn<QString>("refusal");
        QTest::addRow("applied") << QByteArray() << true << QString();
        QTest::addRow("cancelled") << QByteArray() << false << QString();
        QTest::addRow("foreign file") << QByteArray("DIZODIDO, but nothing else") << false << u"neither"_s;
        QTest::addRow("list without a readable line")
            << QByteArray("one;two\n") << false << u"holds no channel entries"_s;
        // Made a FIFO by the test: reading it would block the window.
        QTest::addRow("FIFO") << QByteArray("fifo") << false << u"not a regular file"_s;
    }
    void applyOrderGoesThroughThePreview()
    {
        QFETCH(QByteArray, reference);
        QFETCH(bool, apply);
        QFETCH(QString, refusal);
        std::unique_ptr<SettingsEditor> editor = openEditor();
        Settings *settings = editor->settings();
        const QList<Channel *> before = settings->channels();
        // The second channel alone, by its service key: it moves to the front.
        Channel *moved = before.at(1);
        if (reference.isEmpty()) {
            ReferenceEntry entry = ReferenceList::fromSettings(*settings).entries().at(1);
            entry.number = 1;
            reference = ReferenceListText::write(ReferenceList({ entry }));
        }
        const QString path
            = m_demo.dir.filePath(QString::fromLatin1(reference == "fifo" ? "fifo" : "order.txt"));
        if (reference == "fifo")
            QVERIFY(QFile::exists(path) || mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        else
            QVERIFY(writeFileBytes(path, reference));

        QString message, matchedById;
        answerFileDialog(u"Apply order from"_s, path);
        if (!refusal.isEmpty()) {
            answerNextMessage(&message);
        } else {
            onNextModal([&matchedById, apply](QWidget *dialog) {
                matchedById = child<QLabel>(dialog, "byIdCount")->text();
                press(dialog, apply ? QDialogButtonBox::Apply : QDialogButtonBox::Cancel);
            });
        }
        trigger(*editor, u"actionApplyOrder"_s);

        if (!refusal.isEmpty()) {
            QVERIFY2(message.contains(refusal) && message.contains(path), qPrintable(message));
        } else {
            QCOMPARE(matchedById, u"1"_s);
        }
        QCOMPARE(settings->channels().constFirst() == moved, apply);
        // The step is recorded when the action's events are done.
        QCoreApplication::processEvents();
        QCOMPARE(editor->mainWindow()->isWindowModified(), apply);
        if (apply)
            QCOMPARE(editor->history()->stack()->undoText(), u"Apply Order"_s);
        // The table shows the whole list in the receiver's order.
        auto *table = editor->mainWindow()->findChild<ChannelListWidget *>();
        QCOMPARE(table->model()->index(0, ChannelColumns::NameColumn).data().toString(),
            settings->channels().constFirst()->name());
        editor->mainWindow()->setWindowModified(false);
    }

    void exportsWriteWhatTheUserSees()
    {
        std::unique_ptr<SettingsEditor> editor = openEditor();
        Settings *settings = editor->settings();
        auto *tree = editor->mainWindow()->findChild<EditableTreeWidget *>();
        auto *table = editor->mainWindow()->findChild<ChannelListWidget *>();
        Satellite *satellite = settings->satellites().constLast();
        tree->setCurrentItem(tree->itemOf(satellite));
        const int shown = table->model()->rowCount();
        QVERIFY(shown > 0 && shown < settings->channels().size());

        // The table's rows as shown, with every column, hidden ones too.
        table->setColumnHidden(ChannelColumns::PmtPidColumn, true);
        const QString csv = m_demo.dir.filePath(u"table.csv"_s);
        answerFileDialog(u"Export channel table"_s, m_demo.dir.filePath(u"table"_s));
        trigger(*editor, u"actionExportCsv"_s);
        // Marked as UTF-8 for spreadsheets; the reference list below is not.
        QVERIFY(readFileBytes(csv).startsWith("\xEF\xBB\xBF"));
        const QList<QByteArray> rows = lines(readFileBytes(csv));
        QCOMPARE(rows.size(), shown + 1);
        QCOMPARE(rows.constFirst().count(','), table->model()->columnCount() - 1);
        QVERIFY2(rows.constFirst().contains(",Name,"), rows.constFirst().constData());
        QVERIFY(
            rows.at(1).contains(table->model()->index(0, ChannelColumns::NameColumn).data().toByteArray()));

        // The whole main list, which reads back as the same names in order.
        const QString list = m_demo.dir.filePath(u"list.txt"_s);
        answerFileDialog(u"Export reference list"_s, list);
        trigger(*editor, u"actionExportReference"_s);
        QVERIFY(readFileBytes(list).startsWith('#'));
        const ReferenceListText::ReadResult read = ReferenceListText::read(readFileBytes(list));
        QVERIFY(read.problems.isEmpty());
        QStringList names;
        for (const ReferenceEntry &entry : read.list.entries())
            names.append(entry.name);
        QCOMPARE(names, ::names(settings->channels()));

        // A folder that is not there: the user is told, nothing is left behind.
        QString message;
        const QString nowhere = m_demo.dir.filePath(u"missing/list.txt"_s);
        answerFileDialog(u"Export reference list"_s, nowhere);
        answerNextMessage(&message);
        trigger(*editor, u"actionExportReference"_s);
        QVERIFY2(message.contains(u"was not written"_s) && message.contains(nowhere), qPrintable(message));
        QVERIFY(!editor->mainWindow()->isWindowModified());
    }

    // The file dialog asks before replacing; the export still refuses.
    void exportReplacesNeitherASettingsFileNorAFifo_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("refusal");
        QTest::addRow("settings file") << u"demo.si"_s << u"settings file"_s;
        QTest::addRow("FIFO") << u"pipe.csv"_s << u"not a regular file"_s;
    }
    void exportReplacesNeitherASettingsFileNorAFifo()
    {
        QFETCH(QString, target);
        const QString path = m_demo.dir.filePath(target);
        QVERIFY(QFile::exists(path) || mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        std::unique_ptr<SettingsEditor> editor = openEditor();
        QString question, message;
        // Accepted from the event loop: the dialog's question opens a loop of its own.
        onNextModal([path](QWidget *window) {
            auto *dialog = qobject_cast<QFileDialog *>(window);
            QVERIFY(dialog);
            dialog->selectFile(path);
            QMetaObject::invokeMethod(dialog, &QDialog::accept, Qt::QueuedConnection);
        });
        answerNextMessage(&question, QMessageBox::Yes);
        answerNextMessage(&message);
        trigger(*editor, u"actionExportCsv"_s);
        QFETCH(QString, refusal);
        QVERIFY2(message.contains(u"was not written"_s) && message.contains(refusal), qPrintable(message));
        QVERIFY(!QFileInfo(path).isFile() || readFileBytes(path) == m_demo.demo);
    }
};

QTEST_MAIN(TestReferenceController)
#include "tst_referencecontroller.moc"
