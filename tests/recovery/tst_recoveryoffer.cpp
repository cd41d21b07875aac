#include "commands/settingshistory.h"
#include "demosettingsbuilder.h"
#include "filebytes.h"
#include "formats/recognizesettings.h"
#include "model/channel.h"
#include "recovery/recoverycopy.h"
#include "recovery/recoverykeeper.h"
#include "store/settings.h"
#include "ui/channellistwidget.h"
#include "ui/dialogs/recoveryoffer.h"
#include "ui/settingseditor.h"
#include "uitest.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

class TestRecoveryOffer : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_original;
    QString m_folder;
    QString m_copyPath;

    // What a crashed editor leaves: the file as saved, and a copy with the
    // first channel renamed.
    void leaveCopy()
    {
        QString error;
        QVERIFY2(writeFileBytes(m_original,
                     DemoSettingsBuilder::demoFile(DemoSettingsBuilder::Model::KelmoraHD, &error)),
            qPrintable(error));
        QFile file(m_original);
        QVERIFY(file.open(QIODevice::ReadOnly));
        std::unique_ptr<Settings> settings(recognizeSettings(&file));
        settings->channels().first()->setName(u"Kept edit"_s);
        const RecoveryCopy copy = RecoveryCopy::of(
            *settings, QFileInfo(m_original).absoluteFilePath(), FileStamp::of(m_original));
        QVERIFY(QDir().mkpath(m_folder));
        QCOMPARE(copy.writeTo(m_copyPath), QString());
    }

    // Answers the offer with `key` on its focused default button, as the
    // user does, and keeps what it said.
    void answerOffer(Qt::Key key, QString *said)
    {
        onNextModal([key, said](QWidget *window) {
            auto *box = qobject_cast<QMessageBox *>(window);
            QVERIFY(box);
            *said = box->text() + u'\n' + box->informativeText();
            if (key == Qt::Key_Return)
                pressKeyIn(box, key);
            else
                QTest::mouseClick(box->button(QMessageBox::Discard), Qt::LeftButton);
        });
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        m_original = m_dir.filePath(u"receiver.si"_s);
        m_folder = m_dir.filePath(u"recovery"_s);
        m_copyPath = m_folder + u"/left.recovery"_s;
    }
    void cleanup() { cancelPendingModalDrivers(); }

    void restoreBringsTheChangesBackToBeSaved()
    {
        leaveCopy();
        SettingsEditor editor(nullptr);
        QString said;
        answerOffer(Qt::Key_Return, &said);
        QCOMPARE(RecoveryOffer(editor, m_folder).run(), QFileInfo(m_original).absoluteFilePath());
        QVERIFY2(said.contains(u"receiver.si"_s), qPrintable(said));

        QCOMPARE(editor.settings()->channels().first()->name(), u"Kept edit"_s);
        QCOMPARE(editor.fileName(), QFileInfo(m_original).absoluteFilePath());
        QVERIFY(editor.mainWindow()->isWindowModified());
        // One step of its own, which goes back to the file as it is on disk.
        QCOMPARE(editor.history()->stack()->count(), 1);
        QCOMPARE(editor.history()->stack()->text(0), u"Restore Unsaved Changes"_s);
        editor.history()->undo();
        QVERIFY(!editor.mainWindow()->isWindowModified());
        QVERIFY(editor.settings()->channels().first()->name() != u"Kept edit"_s);
        editor.history()->redo();
        // Until saved, the restored state survives another crash.
        editor.recovery().waitForWorker();
        QVERIFY(QFile::exists(editor.recovery().copyPath()));

        QVERIFY(giveFocus(editor.mainWindow()->findChild<ChannelListWidget *>()));
        pressKeys(QKeySequence::Save);
        QVERIFY(!editor.mainWindow()->isWindowModified());
        QVERIFY(readFileBytes(m_original).contains("Kept edit"));
        editor.recovery().waitForWorker();
        QVERIFY(!QFile::exists(editor.recovery().copyPath()));
    }

    void discardDeletesTheCopyAndOpensNothing()
    {
        leaveCopy();
        SettingsEditor editor(nullptr);
        QString said;
        answerOffer(Qt::Key_Delete, &said);
        QCOMPARE(RecoveryOffer(editor, m_folder).run(), QString());
        QVERIFY(!editor.settings());
        QVERIFY(!QFile::exists(m_copyPath));
        // Nothing left to offer at the next start.
        QCOMPARE(RecoveryOffer(editor, m_folder).run(), QString());
    }

    // The changes were made to the file as it was; laid over what it holds
    // now they would mix two states, so they open as a file of their own.
    void changesToAChangedOrMissingFileOpenUnnamed_data()
    {
        QTest::addColumn<bool>("missing");
        QTest::addRow("file changed since") << false;
        QTest::addRow("file missing") << true;
    }
    void changesToAChangedOrMissingFileOpenUnnamed()
    {
        QFETCH(bool, missing);
        leaveCopy();
        const QByteArray now = DemoSettingsBuilder::demoFile(DemoSettingsBuilder::Model::Kelmora2XX);
        QVERIFY(missing ? QFile::remove(m_original) : writeFileBytes(m_original, now));
        SettingsEditor editor(nullptr);
        QString said;
        answerOffer(Qt::Key_Return, &said);
        RecoveryOffer(editor, m_folder).run();
        QVERIFY2(said.contains(missing ? u"cannot be found"_s : u"was changed since"_s), qPrintable(said));

        QCOMPARE(editor.settings()->channels().first()->name(), u"Kept edit"_s);
        QCOMPARE(editor.fileName(), QString());
        QVERIFY(editor.mainWindow()->isWindowModified());
        QCOMPARE(readFileBytes(m_original), missing ? QByteArray() : now);
        editor.mainWindow()->setWindowModified(false);
    }

    void damagedCopyIsToldOfAndKeptAside()
    {
        QVERIFY(QDir().mkpath(m_folder));
        QVERIFY(writeFileBytes(m_copyPath, "KSERECOV and nothing sound"));
        SettingsEditor editor(nullptr);
        QString said;
        answerNextMessage(&said);
        QCOMPARE(RecoveryOffer(editor, m_folder).run(), QString());
        QVERIFY2(said.contains(u"could not be restored"_s), qPrintable(said));
        QVERIFY(!QFile::exists(m_copyPath));
        QCOMPARE(readFileBytes(m_copyPath + u".damaged"_s), "KSERECOV and nothing sound"_ba);
    }
};

QTEST_MAIN(TestRecoveryOffer)
#include "tst_recoveryoffer.moc"
