#include "demosettingsbuilder.h"
#include "model/provider.h"
#include "model/satellite.h"
#include "model/transponder.h"
#include "store/settings.h"
#include "ui/channellistwidget.h"
#include "ui/editabletreewidget.h"
#include "ui/settingseditor.h"
#include "uitest.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMainWindow>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace Qt::StringLiterals;

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Answers the next file dialog with a path, checking its caption and filter.
void answerFileDialog(const QString &caption, const QString &path)
{
    onNextModal([caption, path](QWidget *window) {
        auto *dialog = qobject_cast<QFileDialog *>(window);
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), caption);
        QCOMPARE(dialog->nameFilters(), (QStringList { u"Settings files (*.si)"_s, u"All files (*)"_s }));
        dialog->selectFile(path);
        // selectFile leaves the name field alone once it has the focus,
        // which depends on when the window got activated.
        if (auto *nameField = dialog->findChild<QLineEdit *>(u"fileNameEdit"_s))
            nameField->setText(path);
        QMetaObject::invokeMethod(dialog, &QDialog::accept);
    });
}

QAction *action(SettingsEditor &editor, const char *name)
{
    return editor.mainWindow()->findChild<QAction *>(QLatin1String(name));
}

} // namespace

class TestSettingsEditor : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_demoPath;
    QByteArray m_demoBytes;

    // An editor with the demo HD file open, with one unsaved change if
    // `modify`.
    std::unique_ptr<SettingsEditor> openEditor(bool modify)
    {
        auto editor = std::make_unique<SettingsEditor>(nullptr);
        if (!writeFile(m_demoPath, m_demoBytes))
            return editor;
        answerFileDialog(u"Open settings"_s, m_demoPath);
        editor->eventOpen();
        if (editor->settings() && modify)
            editor->settings()->satellites().first()->setName(u"Renamed"_s);
        return editor;
    }

private slots:
    void initTestCase()
    {
        // The editor remembers its window and recent files; none of the
        // user's, nor of an earlier run.
        QStandardPaths::setTestModeEnabled(true);
        QSettings().clear();
        QVERIFY(m_dir.isValid());
        QString error;
        m_demoBytes = DemoSettingsBuilder::demoFile(DemoSettingsBuilder::Model::KelmoraHD, &error);
        QVERIFY2(!m_demoBytes.isEmpty(), qPrintable(error));
        m_demoPath = m_dir.filePath(u"demo-hd.si"_s);
    }
    void cleanup() { cancelPendingModalDrivers(); }

    void openShowsFileAndFillsBothPanes()
    {
        SettingsEditor empty(nullptr);
        QCOMPARE(empty.mainWindow()->windowTitle(), u"Kelmora Settings Editor"_s);
        // Nothing to save before a file is open.
        QVERIFY(!action(empty, "actionSave")->isEnabled() && !action(empty, "actionSaveAs")->isEnabled());
        empty.eventSave();

        std::unique_ptr<SettingsEditor> editor = openEditor(false);
        QVERIFY(editor->settings());
        QMainWindow *window = editor->mainWindow();
        QCOMPARE(window->windowTitle(), u"demo-hd.si[*] - Kelmora Settings Editor"_s);
        QVERIFY(!window->isWindowModified());
        QCOMPARE(editor->fileName(), m_demoPath);
        QVERIFY(action(*editor, "actionSave")->isEnabled());
        auto *tree = window->findChild<EditableTreeWidget *>();
        auto *table = window->findChild<ChannelListWidget *>();
        QCOMPARE(tree->satellitesItem()->childCount(), int(editor->settings()->satellites().size()));
        QCOMPARE(table->model()->rowCount(), int(editor->settings()->channels().size()));
        QVERIFY(table->model()->rowCount() > 0);

        // Any change after the load marks the window, once the action that
        // made it is over.
        editor->settings()->providers().first()->setName(u"Other"_s);
        QCoreApplication::processEvents();
        QVERIFY(window->isWindowModified());
        window->setWindowModified(false);
    }

    void treeSelectionSurvivesCreationAndDrivesTheTable()
    {
        std::unique_ptr<SettingsEditor> editor = openEditor(false);
        QMainWindow *window = editor->mainWindow();
        auto *tree = window->findChild<EditableTreeWidget *>();
        auto *table = window->findChild<ChannelListWidget *>();
        Settings *settings = editor->settings();
        Satellite *satellite = settings->satellites().last();
        const int shown = int(settings->channelsOf(satellite).size());
        QVERIFY(shown < settings->channels().size());
        tree->expandItem(tree->satellitesItem());
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QTest::mouseClick(
            tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(tree->itemOf(satellite)).center());
        QCOMPARE(table->model()->rowCount(), shown);

        onNextModal([](QWidget *dialog) { press(dialog, QDialogButtonBox::Ok); });
        tree->createTransponder();
        QCOMPARE(settings->transponders().last()->satellite(), satellite);
        QCOMPARE(tree->selectedEditables(), QList<Editable *> { satellite });
        QVERIFY(tree->itemOf(satellite)->isExpanded());
        QCOMPARE(table->model()->rowCount(), shown);
        window->setWindowModified(false);
    }

    void saveAsHasAWorkingShortcut()
    {
        std::unique_ptr<SettingsEditor> editor = openEditor(false);
        QMainWindow *window = editor->mainWindow();
        const QKeySequence keys = action(*editor, "actionSaveAs")->shortcut();
        QVERIFY(!keys.isEmpty());
        QVERIFY(keys != action(*editor, "actionSave")->shortcut());
        QVERIFY(giveFocus(window->findChild<ChannelListWidget *>()));
        QString caption;
        onNextModal([&caption](QWidget *dialog) {
            caption = dialog->windowTitle();
            QMetaObject::invokeMethod(qobject_cast<QDialog *>(dialog), &QDialog::reject);
        });
        pressKeys(keys);
        QCOMPARE(caption, u"Save settings"_s);
    }

    void failedOpenKeepsCurrentFileAndSaysWhy_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("special"); // not a regular file: refused before any question
        QTest::addColumn<QString>("reason");
        QByteArray wrongMagic = m_demoBytes;
        wrongMagic[0] = 'X';
        QTest::addRow("wrong magic") << wrongMagic << QString() << u"does not start with \"DIZODIDO\""_s;
        QTest::addRow("one byte short") << m_demoBytes.chopped(1) << QString() << u"size of 399567 bytes"_s;
        QTest::addRow("empty file") << QByteArray() << QString() << u"does not start with"_s;
        QTest::addRow("a folder") << QByteArray() << u"folder"_s << u"not a regular file"_s;
#ifdef Q_OS_UNIX
        QTest::addRow("a FIFO, which would block") << QByteArray() << u"fifo"_s << u"not a regular file"_s;
#endif
    }
    void failedOpenKeepsCurrentFileAndSaysWhy()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, special);
        QFETCH(QString, reason);
        std::unique_ptr<SettingsEditor> editor = openEditor(true);
        Settings *loaded = editor->settings();
        QVERIFY(loaded);
        const QString title = editor->mainWindow()->windowTitle();
        const QString bad = m_dir.filePath(special.isEmpty() ? u"bad.si"_s : special);
        if (special == u"folder")
            QVERIFY(QDir(m_dir.path()).mkpath(special));
        else if (special == u"fifo")
            QVERIFY(QFile::exists(bad) || mkfifo(QFile::encodeName(bad).constData(), 0600) == 0);
        else
            QVERIFY(writeFile(bad, bytes));

        QString question;
        QString message;
        if (special.isEmpty()) {
            answerFileDialog(u"Open settings"_s, bad);
            answerNextMessage(&question, QMessageBox::Discard);
            answerNextMessage(&message);
            editor->eventOpen();
        } else {
            // As passed on the command line: the file dialog offers no
            // way to pick such a file.
            answerNextMessage(&message);
            QVERIFY(!editor->loadFile(bad));
        }
        QVERIFY2(message.contains(reason), qPrintable(message));
        QCOMPARE(editor->settings(), loaded);
        QCOMPARE(editor->fileName(), m_demoPath);
        QCOMPARE(editor->mainWindow()->windowTitle(), title);
        QVERIFY(editor->mainWindow()->isWindowModified());
        editor->mainWindow()->setWindowModified(false);
    }

    // Standard input is the command-line tool's "-", not the window's.
    void aFileNamedDashOpensThatFile()
    {
        const QString folder = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir.path()));
        QVERIFY(writeFile(u"-"_s, m_demoBytes));
        QString message;
        answerNextMessage(&message);
        SettingsEditor editor(nullptr);
        const bool opened = editor.loadFile(u"-"_s);
        QDir::setCurrent(folder);
        QVERIFY2(opened, qPrintable(message));
    }

    void saveAsTakesTheNameOnlyOnSuccess()
    {
        std::unique_ptr<SettingsEditor> editor = openEditor(true);
        QMainWindow *window = editor->mainWindow();
        const QString title = window->windowTitle();

        // A target that cannot be written: the name and the mark stay.
        QString message;
        answerFileDialog(u"Save settings"_s, m_dir.filePath(u"missing/dir/x.si"_s));
        answerNextMessage(&message);
        editor->eventSaveAs();
        QVERIFY2(message.contains(QLatin1String("was not saved")), qPrintable(message));
        QCOMPARE(editor->fileName(), m_demoPath);
        QCOMPARE(window->windowTitle(), title);
        QVERIFY(window->isWindowModified());

        QVERIFY(giveFocus(window->findChild<ChannelListWidget *>()));
        pressKeys(QKeySequence::Save);
        QVERIFY(!window->isWindowModified());
        QVERIFY(readAll(m_demoPath).contains("Renamed"));
        // A name typed without the suffix gets it.
        const QString copy = m_dir.filePath(u"copy.si"_s);
        answerFileDialog(u"Save settings"_s, m_dir.filePath(u"copy"_s));
        editor->eventSaveAs();
        QCOMPARE(editor->fileName(), copy);
        QCOMPARE(window->windowTitle(), u"copy.si[*] - Kelmora Settings Editor"_s);
        editor->settings()->satellites().first()->setName(u"Again"_s);
        editor->eventSave();
        QVERIFY(readAll(copy).contains("Again"));
        QVERIFY(!readAll(m_demoPath).contains("Again"));

        // More providers than the file's table holds (distinct names, so that
        // saving cannot merge them): the store refuses and the file on disk
        // stays as it was.
        const QByteArray saved = readAll(copy);
        const int room = editor->settings()->capacity().providers;
        for (int i = int(editor->settings()->providers().size()); i <= room; ++i) {
            auto *provider = new Provider;
            provider->setName(u"Extra %1"_s.arg(i));
            editor->settings()->addProvider(provider);
        }
        answerNextMessage(&message);
        editor->eventSave();
        QVERIFY2(message.contains(QLatin1String("was not saved")), qPrintable(message));
        QVERIFY2(message.contains(QString::number(room)), qPrintable(message));
        QCOMPARE(readAll(copy), saved);
        QVERIFY(window->isWindowModified());
        window->setWindowModified(false);
    }

    void unsavedChangesAreAskedAbout_data()
    {
        QTest::addColumn<QString>("open"); // empty: close the window
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("proceeds");
        QTest::addColumn<bool>("written");
        const QString other = u"other.si"_s, same = u"demo-hd.si"_s;
        QTest::addRow("close, cancel keeps the window")
            << QString() << int(QMessageBox::Cancel) << false << false;
        QTest::addRow("close, discard closes unwritten")
            << QString() << int(QMessageBox::Discard) << true << false;
        QTest::addRow("close, save writes, then closes")
            << QString() << int(QMessageBox::Save) << true << true;
        QTest::addRow("open, cancel keeps the store") << other << int(QMessageBox::Cancel) << false << false;
        QTest::addRow("open, discard opens the other") << other << int(QMessageBox::Discard) << true << false;
        QTest::addRow("reopen, save reads the saved edits") << same << int(QMessageBox::Save) << true << true;
    }
    void unsavedChangesAreAskedAbout()
    {
        QFETCH(QString, open);
        QFETCH(int, answer);
        QFETCH(bool, proceeds);
        QFETCH(bool, written);
        std::unique_ptr<SettingsEditor> editor = openEditor(true);
        Settings *loaded = editor->settings();
        QString text;
        const bool byOpen = !open.isEmpty();
        if (byOpen) {
            const QString path = m_dir.filePath(open);
            if (path != m_demoPath)
                QVERIFY(writeFile(path, m_demoBytes));
            answerFileDialog(u"Open settings"_s, path);
            answerNextMessage(&text, QMessageBox::StandardButton(answer));
            editor->eventOpen();
            QCOMPARE(editor->fileName(), proceeds ? path : m_demoPath);
            QCOMPARE(editor->settings() == loaded, !proceeds);
            // What the window shows is what the file now holds.
            QCOMPARE(editor->settings()->satellites().first()->name() == u"Renamed"_s, !proceeds || written);
        } else {
            editor->mainWindow()->show();
            answerNextMessage(&text, QMessageBox::StandardButton(answer));
            QCOMPARE(editor->mainWindow()->close(), proceeds);
        }
        QVERIFY2(text.contains(QLatin1String("demo-hd.si")), qPrintable(text));
        QCOMPARE(readAll(m_demoPath).contains("Renamed"), written);
        // Only a save or another file's load clears the mark.
        QCOMPARE(editor->mainWindow()->isWindowModified(), !written && !(byOpen && proceeds));
        editor->mainWindow()->setWindowModified(false);
    }
};

QTEST_MAIN(TestSettingsEditor)
#include "tst_settingseditor.moc"
