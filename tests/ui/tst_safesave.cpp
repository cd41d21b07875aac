#include "demosettingsbuilder.h"
#include "faultydevices.h"
#include "filebytes.h"
#include "model/satellite.h"
#include "store/settings.h"
#include "ui/channellistwidget.h"
#include "ui/settingseditor.h"
#include "uitest.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

void rename(SettingsEditor &editor, const QString &name)
{
    editor.settings()->satellites().first()->setName(name);
}

// Save from the File menu, as the user does.
void saveFromMenu(SettingsEditor &editor)
{
    if (giveFocus(editor.mainWindow()->findChild<ChannelListWidget *>()))
        chooseFromMenuBar({ u"&File"_s, u"&Save"_s });
}

enum Fault { DirectoryInBackupsPlace, ReadOnlyDirectory, FullDisk, ChangedOnReadBack };

} // namespace

class TestSafeSave : public QObject
{
    Q_OBJECT

    QByteArray m_demo;

    std::unique_ptr<SettingsEditor> openEditor(const QString &path)
    {
        auto editor = std::make_unique<SettingsEditor>(nullptr);
        if (writeFileBytes(path, m_demo))
            editor->loadFile(path);
        return editor;
    }

private slots:
    void initTestCase()
    {
        QString error;
        m_demo = DemoSettingsBuilder::demoFile(DemoSettingsBuilder::Model::KelmoraHD, &error);
        QVERIFY2(!m_demo.isEmpty(), qPrintable(error));
    }
    void cleanup() { cancelPendingModalDrivers(); }

    void saveBacksUpTheOriginalOncePerSession()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"kept.si"_s);
        std::unique_ptr<SettingsEditor> editor = openEditor(path);
        QVERIFY(editor->settings());

        for (const QString &name : { u"First"_s, u"Second"_s }) {
            rename(*editor, name);
            saveFromMenu(*editor);
            QVERIFY(!editor->mainWindow()->isWindowModified());
            QVERIFY(readFileBytes(path).contains(name.toLatin1()));
            QCOMPARE(readFileBytes(path + u".bak"_s), m_demo);
        }
    }

    void failedSaveSaysWhyAndKeepsTheChange_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<QStringList>("told");
        QTest::addColumn<bool>("fileChanged");
        const QString refused = u"was not saved; the file is unchanged."_s;
        const QString backupFailed = u"fault.si.bak could not be written"_s;
        QTest::addRow("directory in the backup's place")
            << int(DirectoryInBackupsPlace) << QStringList { refused, backupFailed } << false;
        QTest::addRow("read-only directory")
            << int(ReadOnlyDirectory) << QStringList { refused, backupFailed } << false;
        QTest::addRow("full disk") << int(FullDisk)
                                   << QStringList { refused, u"Only 4096 of 399568 bytes"_s,
                                          u"the disk may be full"_s, u"Its original is also kept in"_s }
                                   << false;
        QTest::addRow("byte changed on read-back")
            << int(ChangedOnReadBack)
            << QStringList { u"was saved, but reading it back found a different byte at offset 100."_s,
                   u"its original is kept in"_s, u"fault.si.bak."_s }
            << true;
    }
    void failedSaveSaysWhyAndKeepsTheChange()
    {
        QFETCH(int, fault);
        QFETCH(QStringList, told);
        QFETCH(bool, fileChanged);
        if (fault == ReadOnlyDirectory && geteuid() == 0)
            QSKIP("Permissions do not stop root from writing.");
        QTemporaryDir dir;
        const QString path = dir.filePath(u"fault.si"_s);
        std::unique_ptr<SettingsEditor> editor = openEditor(path);
        QVERIFY(editor->settings());
        rename(*editor, u"Changed"_s);

        const QFileDevice::Permissions writable = QFile::permissions(dir.path());
        if (fault == DirectoryInBackupsPlace)
            QVERIFY(QDir(dir.path()).mkdir(u"fault.si.bak"_s));
        else if (fault == ReadOnlyDirectory)
            QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
        else if (fault == FullDisk)
            fillDiskAfter(editor->saver(), 4096);
        else
            changeByteOnReadBack(editor->saver(), 100);

        QString message;
        answerNextMessage(&message);
        saveFromMenu(*editor);
        QFile::setPermissions(dir.path(), writable);
        for (const QString &part : told)
            QVERIFY2(message.contains(part), qPrintable(message));
        QVERIFY(editor->mainWindow()->isWindowModified());
        QCOMPARE(readFileBytes(path) == m_demo, !fileChanged);
        editor->mainWindow()->setWindowModified(false);
    }

    // The same file in two windows: the second save asks, and Cancel, the
    // default, keeps the first window's work until the user overwrites it.
    void saveOverAnotherWindowsSaveAsks()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"twice.si"_s);
        std::unique_ptr<SettingsEditor> first = openEditor(path);
        SettingsEditor second(nullptr);
        QVERIFY(second.loadFile(path));
        rename(*first, u"First"_s);
        saveFromMenu(*first);
        rename(second, u"Second"_s);
        for (const QByteArray &expected : { "First"_ba, "Second"_ba }) {
            QString asked;
            onNextModal([&asked, expected](QWidget *window) {
                auto *box = qobject_cast<QMessageBox *>(window);
                asked = box->text();
                if (expected == "First")
                    return pressKeyIn(box, Qt::Key_Return);
                for (QAbstractButton *button : box->buttons())
                    if (button->text() == QObject::tr("&Overwrite"))
                        QTest::mouseClick(button, Qt::LeftButton);
            });
            saveFromMenu(second);
            QVERIFY2(asked.contains(u"changed by another program"_s), qPrintable(asked));
            QVERIFY(readFileBytes(path).contains(expected));
        }
        QVERIFY(!second.mainWindow()->isWindowModified());
        QCOMPARE(readFileBytes(path + u".bak"_s), m_demo);
    }
};

QTEST_MAIN(TestSafeSave)
#include "tst_safesave.moc"
