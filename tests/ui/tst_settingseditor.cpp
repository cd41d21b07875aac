#include "channellistwidget.h"
#include "demosettingsbuilder.h"
#include "editabletreewidget.h"
#include "provider.h"
#include "satellite.h"
#include "settings.h"
#include "settingseditor.h"
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
        QCOMPARE(dialog->nameFilters(), QStringList { u"settings (*.si)"_s });
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
        QCOMPARE(empty.mainWindow()->windowTitle(), u"Tolvar's Kelmora SettingsEditor"_s);
        // Nothing to save before a file is open.
        QVERIFY(!action(empty, "actionSave")->isEnabled() && !action(empty, "actionSaveAs")->isEnabled());
        empty.eventSave();

        std::unique_ptr<SettingsEditor> editor = openEditor(false);
        QVERIFY(editor->settings());
        QMainWindow *window = editor->mainWindow();
        QCOMPARE(window->windowTitle(), u"demo-hd.si[*] - Tolvar's Kelmora SettingsEditor"_s);
        QVERIFY(!window->isWindowModified());
        QCOMPARE(editor->fileName(), m_demoPath);
        QVERIFY(action(*editor, "actionSave")->isEnabled());
        auto *tree = window->findChild<EditableTreeWidget *>();
        auto *table = window->findChild<ChannelListWidget *>();
        QCOMPARE(tree->satellitesItem()->childCount(), int(editor->settings()->satellites().size()));
        QCOMPARE(table->model()->rowCount(), int(editor->settings()->channels().size()));
        QVERIFY(table->model()->rowCount() > 0);

        // Any change after the load marks the window.
        editor->settings()->providers().first()->setName(u"Other"_s);
        QVERIFY(window->isWindowModified());
        window->setWindowModified(false);
    }

    void failedOpenKeepsCurrentFileAndSaysWhy_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QByteArray wrongMagic = m_demoBytes;
        wrongMagic[0] = 'X';
        QTest::addRow("wrong magic") << wrongMagic << u"does not start with \"DIZODIDO\""_s;
        QTest::addRow("one byte short") << m_demoBytes.chopped(1) << u"size of 399567 bytes"_s;
        QTest::addRow("empty file") << QByteArray() << u"does not start with"_s;
    }
    void failedOpenKeepsCurrentFileAndSaysWhy()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        std::unique_ptr<SettingsEditor> editor = openEditor(true);
        Settings *loaded = editor->settings();
        QVERIFY(loaded);
        const QString title = editor->mainWindow()->windowTitle();
        const QString bad = m_dir.filePath(u"bad.si"_s);
        QVERIFY(writeFile(bad, bytes));

        QString message;
        answerFileDialog(u"Open settings"_s, bad);
        answerNextMessage(&message);
        editor->eventOpen();
        QVERIFY2(message.contains(reason), qPrintable(message));
        QCOMPARE(editor->settings(), loaded);
        QCOMPARE(editor->fileName(), m_demoPath);
        QCOMPARE(editor->mainWindow()->windowTitle(), title);
        QVERIFY(editor->mainWindow()->isWindowModified());
        editor->mainWindow()->setWindowModified(false);
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

        action(*editor, "actionSave")->trigger();
        QVERIFY(!window->isWindowModified());
        QVERIFY(readAll(m_demoPath).contains("Renamed"));
        const QString copy = m_dir.filePath(u"copy.si"_s);
        answerFileDialog(u"Save settings"_s, copy);
        editor->eventSaveAs();
        QCOMPARE(editor->fileName(), copy);
        QCOMPARE(window->windowTitle(), u"copy.si[*] - Tolvar's Kelmora SettingsEditor"_s);
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
        QTest::addColumn<bool>("byOpen");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("proceeds");
        QTest::addColumn<bool>("written");
        QTest::addRow("close, cancel keeps the window")
            << false << int(QMessageBox::Cancel) << false << false;
        QTest::addRow("close, discard closes unwritten")
            << false << int(QMessageBox::Discard) << true << false;
        QTest::addRow("close, save writes, then closes") << false << int(QMessageBox::Save) << true << true;
        QTest::addRow("open, cancel keeps the store") << true << int(QMessageBox::Cancel) << false << false;
        QTest::addRow("open, discard opens the other") << true << int(QMessageBox::Discard) << true << false;
    }
    void unsavedChangesAreAskedAbout()
    {
        QFETCH(bool, byOpen);
        QFETCH(int, answer);
        QFETCH(bool, proceeds);
        QFETCH(bool, written);
        std::unique_ptr<SettingsEditor> editor = openEditor(true);
        Settings *loaded = editor->settings();
        QString text;
        if (byOpen) {
            const QString other = m_dir.filePath(u"other.si"_s);
            QVERIFY(writeFile(other, m_demoBytes));
            answerFileDialog(u"Open settings"_s, other);
            answerNextMessage(&text, QMessageBox::StandardButton(answer));
            editor->eventOpen();
            QCOMPARE(editor->fileName(), proceeds ? other : m_demoPath);
            QCOMPARE(editor->settings() == loaded, !proceeds);
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
