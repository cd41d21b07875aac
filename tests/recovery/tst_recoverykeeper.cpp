#include "channel.h"
#include "demosettingsbuilder.h"
#include "filebytes.h"
#include "kelmoratestimage.h"
#include "provider.h"
#include "recoverycopy.h"
#include "recoveryfolder.h"
#include "recoverykeeper.h"
#include "settings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

std::unique_ptr<Settings> loadStore(const QString &path)
{
    return loadBytes(readFileBytes(path));
}

QString firstChannelName(const Settings &settings)
{
    return settings.channels().isEmpty() ? QString() : settings.channels().first()->name();
}

// Whatever the folder holds besides recovery copies and their locks:
// temporary files left by a write that was not atomic.
QStringList strayFiles(const QString &folder)
{
    QStringList stray = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    stray.removeIf([](const QString &name) {
        return name.endsWith(u".recovery"_s) || name.endsWith(u".recovery.lock"_s);
    });
    return stray;
}

} // namespace

class TestRecoveryKeeper : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_original;
    QString m_folder;

    RecoveryCopy copyOfEditedFirstChannel(const QString &name)
    {
        std::unique_ptr<Settings> settings = loadStore(m_original);
        settings->channels().first()->setName(name);
        return RecoveryCopy::of(*settings, m_original);
    }

private slots:
    void initTestCase()
    {
        QString error;
        m_original = m_dir.filePath(u"receiver.si"_s);
        QVERIFY2(writeFileBytes(m_original,
                     DemoSettingsBuilder::demoFile(DemoSettingsBuilder::Model::KelmoraHD, &error)),
            qPrintable(error));
    }

    void init()
    {
        m_folder = m_dir.filePath(u"recovery-"_s + QString::fromLatin1(QTest::currentTestFunction()));
        QDir(m_folder).removeRecursively();
    }

    void copyFollowsChangesAfterTheyStop()
    {
        std::unique_ptr<Settings> settings = loadStore(m_original);
        QVERIFY(settings);
        RecoveryKeeper keeper(m_folder);
        keeper.setDelay(50ms);
        keeper.track(settings.get(), m_original);
        QVERIFY(!keeper.isWritePending());

        for (const QString &name : { u"One"_s, u"Two"_s, u"Three"_s })
            settings->channels().first()->setName(name);
        // Nothing is written while changes are still coming in.
        QVERIFY(keeper.isWritePending());
        QVERIFY(!QFile::exists(keeper.copyPath()));

        QTRY_VERIFY(!keeper.isWritePending());
        keeper.waitForWorker();
        QString reason;
        const std::optional<RecoveryCopy> copy = RecoveryCopy::readFrom(keeper.copyPath(), &reason);
        QVERIFY2(copy, qPrintable(reason));
        QCOMPARE(copy->originalPath, QFileInfo(m_original).absoluteFilePath());
        std::unique_ptr<Settings> restored = copy->restoredStore(&reason);
        QVERIFY2(restored, qPrintable(reason));
        QCOMPARE(firstChannelName(*restored), u"Three"_s);
        QCOMPARE(strayFiles(m_folder), QStringList());
    }

    // A save merges providers of equal names; the copy must leave the live
    // store as the user sees it.
    void writingTheCopyLeavesTheStoreAsItIs()
    {
        std::unique_ptr<Settings> settings = loadStore(m_original);
        QVERIFY(settings->providers().size() >= 2);
        RecoveryKeeper keeper(m_folder);
        keeper.track(settings.get(), m_original);
        settings->providers().at(1)->setName(settings->providers().at(0)->name());
        const SettingsSnapshot before = SettingsSnapshot::capture(*settings);

        keeper.writeNow();
        keeper.waitForWorker();
        QVERIFY(QFile::exists(keeper.copyPath()));
        QVERIFY(SettingsSnapshot::capture(*settings) == before);
    }

    void copyGoesWhenTheChangesAreSavedOrGivenUp_data()
    {
        QTest::addColumn<QString>("ending");
        QTest::addRow("saved") << u"saved"_s;
        QTest::addRow("discarded") << u"discarded"_s;
        QTest::addRow("another file opened") << u"another file"_s;
    }
    void copyGoesWhenTheChangesAreSavedOrGivenUp()
    {
        QFETCH(QString, ending);
        std::unique_ptr<Settings> settings = loadStore(m_original);
        RecoveryKeeper keeper(m_folder);
        keeper.track(settings.get(), m_original);
        settings->channels().first()->setName(u"Changed"_s);
        keeper.writeNow();
        keeper.waitForWorker();
        const QString copyPath = keeper.copyPath();
        QVERIFY(QFile::exists(copyPath));
        settings->channels().first()->setName(u"Changed again"_s);
        QVERIFY(keeper.isWritePending());

        std::unique_ptr<Settings> other = loadStore(m_original);
        if (ending == u"saved"_s) {
            keeper.markSaved(m_original);
        } else if (ending == u"discarded"_s) {
            keeper.discard();
        } else {
            keeper.track(other.get(), m_dir.filePath(u"other.si"_s));
        }
        // No copy comes back from the write that was still pending.
        QVERIFY(!keeper.isWritePending());
        keeper.waitForWorker();
        QVERIFY(!QFile::exists(copyPath));
    }

    // After Save as, a crash must offer the changes for the new name.
    void changesAfterSaveAsAreKeptForTheNewName()
    {
        std::unique_ptr<Settings> settings = loadStore(m_original);
        RecoveryKeeper keeper(m_folder);
        keeper.track(settings.get(), m_original);
        settings->channels().first()->setName(u"Before"_s);
        keeper.writeNow();
        const QString oldCopy = keeper.copyPath();
        const QString newName = m_dir.filePath(u"renamed.si"_s);
        QVERIFY(QFile::copy(m_original, newName));

        keeper.markSaved(newName);
        settings->channels().first()->setName(u"After"_s);
        QVERIFY(keeper.isWritePending());
        keeper.writeNow();
        keeper.waitForWorker();
        QVERIFY(!QFile::exists(oldCopy));
        QCOMPARE(keeper.copyPath(), RecoveryKeeper::copyPathFor(m_folder, newName));
        QString reason;
        QCOMPARE(RecoveryCopy::readFrom(keeper.copyPath(), &reason)->originalPath,
            QFileInfo(newName).absoluteFilePath());
    }

    void folderOffersOnlyCopiesThatRestore_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<bool>("offered");
        QTest::addRow("sound") << u""_s << true;
        QTest::addRow("cut short") << u"cut"_s << false;
        QTest::addRow("one byte changed") << u"byte"_s << false;
        QTest::addRow("empty") << u"empty"_s << false;
        QTest::addRow("original gone") << u"gone"_s << false;
        QTest::addRow("original no longer a settings file") << u"foreign"_s << false;
        QTest::addRow("original of the other model") << u"other model"_s << false;
    }
    void folderOffersOnlyCopiesThatRestore()
    {
        QFETCH(QString, damage);
        QFETCH(bool, offered);
        const QString original = m_dir.filePath(u"damage.si"_s);
        QFile::remove(original);
        QVERIFY(QFile::copy(m_original, original));
        RecoveryCopy copy = copyOfEditedFirstChannel(u"Edited"_s);
        copy.originalPath = original;
        QByteArray bytes = copy.toBytes();
        if (damage == u"cut"_s)
            bytes.chop(40);
        else if (damage == u"byte"_s)
            bytes[bytes.size() / 2] = char(bytes.at(bytes.size() / 2) ^ 0x20);
        else if (damage == u"empty"_s)
            bytes.clear();
        else if (damage == u"gone"_s)
            QVERIFY(QFile::remove(original));
        else if (damage == u"foreign"_s)
            QVERIFY(writeFileBytes(original, "not a settings file"_ba));
        else if (damage == u"other model"_s)
            QVERIFY(writeFileBytes(
                original, DemoSettingsBuilder::demoFile(DemoSettingsBuilder::Model::Kelmora2XX)));
        const QString copyPath = RecoveryKeeper::copyPathFor(m_folder, original);
        QVERIFY(QDir().mkpath(m_folder));
        QVERIFY(writeFileBytes(copyPath, bytes));

        const QList<RecoveryCopy> copies = RecoveryFolder(m_folder).restorableCopies();
        QCOMPARE(copies.size(), offered ? 1 : 0);
        // One that can never be restored is not offered again.
        QCOMPARE(QFile::exists(copyPath), offered);
        if (offered) {
            QCOMPARE(copies.first().copyPath, copyPath);
            QString reason;
            QCOMPARE(firstChannelName(*copies.first().restoredStore(&reason)), u"Edited"_s);
        }
    }

    void folderLeavesACopyInUseAlone()
    {
        std::unique_ptr<Settings> settings = loadStore(m_original);
        RecoveryKeeper keeper(m_folder);
        keeper.track(settings.get(), m_original);
        settings->channels().first()->setName(u"Live"_s);
        keeper.writeNow();
        keeper.waitForWorker();

        QVERIFY(RecoveryFolder(m_folder).restorableCopies().isEmpty());
        QVERIFY(QFile::exists(keeper.copyPath()));
        keeper.discard();
    }

    void folderOffersTheNewestCopyFirst()
    {
        const QString second = m_dir.filePath(u"second.si"_s);
        QVERIFY(QFile::copy(m_original, second));
        RecoveryCopy older = copyOfEditedFirstChannel(u"Older"_s);
        older.copiedAt = older.copiedAt.addSecs(-60);
        RecoveryCopy newer = copyOfEditedFirstChannel(u"Newer"_s);
        newer.originalPath = second;
        QVERIFY(QDir().mkpath(m_folder));
        for (const RecoveryCopy &copy : { older, newer })
            QCOMPARE(copy.writeTo(RecoveryKeeper::copyPathFor(m_folder, copy.originalPath)), QString());

        const QList<RecoveryCopy> copies = RecoveryFolder(m_folder).restorableCopies();
        QCOMPARE(copies.size(), 2);
        QCOMPARE(copies.at(0).originalPath, second);
        QCOMPARE(copies.at(1).originalPath, m_original);
        QVERIFY(RecoveryFolder::remove(copies.at(0)));
        QCOMPARE(RecoveryFolder(m_folder).restorableCopies().size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestRecoveryKeeper)
#include "tst_recoverykeeper.moc"
