#include "channellistwidget.h"
#include "demosettingsbuilder.h"
#include "editabletreewidget.h"
#include "modaldriver.h"
#include "provider.h"
#include "satellite.h"
#include "settings.h"
#include "settingseditor.h"

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using Model = DemoSettingsBuilder::Model;

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
        QCOMPARE(dialog->nameFilters(), QStringList { QStringLiteral("settings (*.si)") });
        dialog->selectFile(path);
        QMetaObject::invokeMethod(dialog, &QDialog::accept);
    });
}

// Answers the next message box with a button and keeps its text.
void answerMessageBox(QMessageBox::StandardButton button, QString *text)
{
    onNextModal([button, text](QWidget *window) {
        auto *box = qobject_cast<QMessageBox *>(window);
        QVERIFY(box);
        *text = box->text() + u'\n' + box->informativeText();
        box->button(button)->click();
    });
}

} // namespace

class TestSettingsEditor : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup() { cancelPendingModalDrivers(); }
    void formAndIconsAreAsDesigned();
    void openShowsFileAndFillsBothPanes();
    void failedOpenKeepsCurrentFileAndSaysWhy_data();
    void failedOpenKeepsCurrentFileAndSaysWhy();
    void saveWritesToOpenedThenToSavedAsName();
    void failedSaveLeavesTargetUntouched();
    void unsavedChangesAreAskedAboutOnClose_data();
    void unsavedChangesAreAskedAboutOnClose();
    void cancelledPromptKeepsStoreWhenOpeningAnother();

private:
    // An editor with the demo HD file open and one unsaved change.
    std::unique_ptr<SettingsEditor> openEditor(bool modify);
    QAction *action(SettingsEditor &editor, const char *name);

    QTemporaryDir m_dir;
    QString m_demoPath;
    QByteArray m_demoBytes;
};

void TestSettingsEditor::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QString error;
    m_demoBytes = DemoSettingsBuilder::demoFile(Model::KelmoraHD, &error);
    QVERIFY2(!m_demoBytes.isEmpty(), qPrintable(error));
    m_demoPath = m_dir.filePath(QStringLiteral("demo-hd.si"));
    QVERIFY(writeFile(m_demoPath, m_demoBytes));
}

QAction *TestSettingsEditor::action(SettingsEditor &editor, const char *name)
{
    return editor.mainWindow()->findChild<QAction *>(QLatin1String(name));
}

std::unique_ptr<SettingsEditor> TestSettingsEditor::openEditor(bool modify)
{
    auto editor = std::make_unique<SettingsEditor>(nullptr);
    if (!writeFile(m_demoPath, m_demoBytes))
        return editor;
    answerFileDialog(QStringLiteral("Open settings"), m_demoPath);
    editor->eventOpen();
    if (editor->settings() && modify)
        editor->settings()->satellites().first()->setName(QStringLiteral("Renamed"));
    return editor;
}

void TestSettingsEditor::formAndIconsAreAsDesigned()
{
    SettingsEditor editor(nullptr);
    QMainWindow *window = editor.mainWindow();
    QCOMPARE(window->objectName(), QStringLiteral("settingsEditorMainWindow"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Tolvar's Kelmora SettingsEditor"));
    auto *tree = window->findChild<EditableTreeWidget *>(QStringLiteral("treeWidget"));
    auto *table = window->findChild<ChannelListWidget *>(QStringLiteral("channelListTreeView"));
    QVERIFY(tree && table);
    QCOMPARE(tree->maximumWidth(), 250);
    QCOMPARE(tree->parentWidget(), window->findChild<QSplitter *>(QStringLiteral("splitter")));
    QVERIFY(table->alternatingRowColors());
    QVERIFY(!table->rootIsDecorated());
    QVERIFY(table->isSortingEnabled());

    auto *menu = window->findChild<QMenu *>(QStringLiteral("menuFile"));
    QCOMPARE(menu->title(), QStringLiteral("File"));
    QStringList texts;
    const QList<QAction *> actions = menu->actions();
    for (const QAction *entry : actions)
        texts.append(entry->text());
    QCOMPARE(
        texts, QStringList({ QStringLiteral("Open"), QStringLiteral("Save"), QStringLiteral("Save as") }));
    QCOMPARE(action(editor, "actionOpen")->shortcut(), QKeySequence(QKeySequence::Open));
    // Nothing to save before a file is open.
    QVERIFY(!action(editor, "actionSave")->isEnabled());
    QVERIFY(!action(editor, "actionSaveAs")->isEnabled());
    editor.eventSave();

    const QList<std::pair<QString, QSize>> icons {
        { QStringLiteral(":/icons/fileopen.png"), QSize(24, 24) },
        { QStringLiteral(":/icons/filesave.png"), QSize(24, 24) },
        { QStringLiteral(":/icons/editdelete.png"), QSize(22, 22) },
        { QStringLiteral(":/icons/plus.png"), QSize(22, 22) },
    };
    for (const auto &[path, size] : icons)
        QCOMPARE(QPixmap(path).size(), size);
}

void TestSettingsEditor::openShowsFileAndFillsBothPanes()
{
    std::unique_ptr<SettingsEditor> editor = openEditor(false);
    QVERIFY(editor->settings());
    QMainWindow *window = editor->mainWindow();
    QCOMPARE(window->windowTitle(), QStringLiteral("demo-hd.si[*] - Tolvar's Kelmora SettingsEditor"));
    QVERIFY(!window->isWindowModified());
    QCOMPARE(editor->fileName(), m_demoPath);
    QVERIFY(action(*editor, "actionSave")->isEnabled());

    auto *tree = window->findChild<EditableTreeWidget *>(QStringLiteral("treeWidget"));
    auto *table = window->findChild<ChannelListWidget *>(QStringLiteral("channelListTreeView"));
    QCOMPARE(tree->satellitesItem()->childCount(), int(editor->settings()->satellites().size()));
    QVERIFY(tree->satellitesItem()->childCount() > 0);
    QCOMPARE(table->model()->rowCount(), int(editor->settings()->channels().size()));
    QVERIFY(table->model()->rowCount() > 0);

    // Any change after the load marks the window.
    editor->settings()->providers().first()->setName(QStringLiteral("Other"));
    QVERIFY(window->isWindowModified());
    window->setWindowModified(false);
}

void TestSettingsEditor::failedOpenKeepsCurrentFileAndSaysWhy_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    QByteArray wrongMagic = m_demoBytes;
    wrongMagic[0] = 'X';
    QTest::addRow("wrong magic") << wrongMagic << QStringLiteral("does not start with \"DIZODIDO\"");
    QTest::addRow("one byte short") << m_demoBytes.chopped(1) << QStringLiteral("size of 399567 bytes");
    QTest::addRow("empty file") << QByteArray() << QStringLiteral("does not start with");
}

void TestSettingsEditor::failedOpenKeepsCurrentFileAndSaysWhy()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    std::unique_ptr<SettingsEditor> editor = openEditor(true);
    Settings *loaded = editor->settings();
    QVERIFY(loaded);
    const QString title = editor->mainWindow()->windowTitle();
    const QString bad = m_dir.filePath(QStringLiteral("bad.si"));
    QVERIFY(writeFile(bad, bytes));

    QString message;
    answerFileDialog(QStringLiteral("Open settings"), bad);
    onNextModal(
        [&message](QWidget *window) {
            auto *box = qobject_cast<QMessageBox *>(window);
            QVERIFY(box);
            message = box->text();
            box->accept();
        },
        nullptr);
    editor->eventOpen();
    QVERIFY2(message.contains(reason), qPrintable(message));
    QCOMPARE(editor->settings(), loaded);
    QCOMPARE(editor->fileName(), m_demoPath);
    QCOMPARE(editor->mainWindow()->windowTitle(), title);
    QVERIFY(editor->mainWindow()->isWindowModified());
    editor->mainWindow()->setWindowModified(false);
}

void TestSettingsEditor::saveWritesToOpenedThenToSavedAsName()
{
    std::unique_ptr<SettingsEditor> editor = openEditor(true);
    QMainWindow *window = editor->mainWindow();
    action(*editor, "actionSave")->trigger();
    QVERIFY(!window->isWindowModified());
    QVERIFY(readAll(m_demoPath).contains("Renamed"));

    const QString copy = m_dir.filePath(QStringLiteral("copy.si"));
    answerFileDialog(QStringLiteral("Save settings"), copy);
    editor->eventSaveAs();
    QCOMPARE(editor->fileName(), copy);
    QCOMPARE(window->windowTitle(), QStringLiteral("copy.si[*] - Tolvar's Kelmora SettingsEditor"));

    editor->settings()->satellites().first()->setName(QStringLiteral("Again"));
    editor->eventSave();
    QVERIFY(readAll(copy).contains("Again"));
    QVERIFY(!readAll(m_demoPath).contains("Again"));
}

void TestSettingsEditor::failedSaveLeavesTargetUntouched()
{
    std::unique_ptr<SettingsEditor> editor = openEditor(true);
    QMainWindow *window = editor->mainWindow();

    // A target that cannot be written: Save as keeps the remembered name.
    QString message;
    answerFileDialog(QStringLiteral("Save settings"), m_dir.filePath(QStringLiteral("missing/dir/x.si")));
    onNextModal([&message](QWidget *window) {
        message = qobject_cast<QMessageBox *>(window)->text();
        qobject_cast<QMessageBox *>(window)->accept();
    });
    editor->eventSaveAs();
    QVERIFY2(message.contains(QLatin1String("was not saved")), qPrintable(message));
    QCOMPARE(editor->fileName(), m_demoPath);
    QVERIFY(window->isWindowModified());

    // More providers than the file's table holds (distinct names, so that
    // saving cannot merge them): the store refuses and the file on disk
    // stays as it was.
    const int room = editor->settings()->capacity().providers;
    for (int i = int(editor->settings()->providers().size()); i <= room; ++i) {
        auto *provider = new Provider;
        provider->setName(QStringLiteral("Extra %1").arg(i));
        editor->settings()->addProvider(provider);
    }
    message.clear();
    onNextModal([&message](QWidget *window) {
        message = qobject_cast<QMessageBox *>(window)->text();
        qobject_cast<QMessageBox *>(window)->accept();
    });
    editor->eventSave();
    QVERIFY2(message.contains(QLatin1String("was not saved")), qPrintable(message));
    QVERIFY2(message.contains(QString::number(room)), qPrintable(message));
    QCOMPARE(readAll(m_demoPath), m_demoBytes);
    QVERIFY(window->isWindowModified());
    window->setWindowModified(false);
}

void TestSettingsEditor::unsavedChangesAreAskedAboutOnClose_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("written");
    QTest::addRow("cancel keeps the window") << int(QMessageBox::Cancel) << false << false;
    QTest::addRow("discard closes without writing") << int(QMessageBox::Discard) << true << false;
    QTest::addRow("save writes, then closes") << int(QMessageBox::Save) << true << true;
}

void TestSettingsEditor::unsavedChangesAreAskedAboutOnClose()
{
    QFETCH(int, answer);
    QFETCH(bool, closed);
    QFETCH(bool, written);
    std::unique_ptr<SettingsEditor> editor = openEditor(true);
    editor->mainWindow()->show();
    QString text;
    answerMessageBox(QMessageBox::StandardButton(answer), &text);
    QCOMPARE(editor->mainWindow()->close(), closed);
    QVERIFY2(text.contains(QLatin1String("demo-hd.si")), qPrintable(text));
    QCOMPARE(readAll(m_demoPath).contains("Renamed"), written);
    editor->mainWindow()->setWindowModified(false);
}

void TestSettingsEditor::cancelledPromptKeepsStoreWhenOpeningAnother()
{
    std::unique_ptr<SettingsEditor> editor = openEditor(true);
    Settings *loaded = editor->settings();
    const QString other = m_dir.filePath(QStringLiteral("other.si"));
    QVERIFY(writeFile(other, m_demoBytes));
    QString text;
    answerFileDialog(QStringLiteral("Open settings"), other);
    onNextModal([&text](QWidget *window) {
        auto *box = qobject_cast<QMessageBox *>(window);
        QVERIFY(box);
        text = box->text();
        box->button(QMessageBox::Cancel)->click();
    });
    editor->eventOpen();
    QVERIFY(!text.isEmpty());
    QCOMPARE(editor->settings(), loaded);
    QCOMPARE(editor->fileName(), m_demoPath);
    QVERIFY(editor->mainWindow()->isWindowModified());

    // Without changes a new file replaces the store silently.
    editor->mainWindow()->setWindowModified(false);
    answerFileDialog(QStringLiteral("Open settings"), other);
    editor->eventOpen();
    QCOMPARE(editor->fileName(), other);
    QVERIFY(editor->settings() != nullptr);
}

QTEST_MAIN(TestSettingsEditor)
#include "tst_settingseditor.moc"
