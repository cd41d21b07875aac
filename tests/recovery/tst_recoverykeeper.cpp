#include "demosettingsbuilder.h"
#include "filebytes.h"
#include "kelmoratestimage.h"
#include "model/channel.h"
#include "model/provider.h"
#include "recovery/recoverycopy.h"
#include "recovery/recoveryfolder.h"
#include "recovery/recoverykeeper.h"
#include "store/settings.h"

#include <QCryptographicHash>
#include <QDataStream>
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

// The bytes of a copy as the first layout wrote them: no stamp of the file
// and no image.
QByteArray firstLayoutBytes(const RecoveryCopy &copy)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out.writeRawData("KSERECOV", 8);
    out << quint8(1) << copy.originalPath << copy.copiedAt.toMSecsSinceEpoch() << copy.model
        << copy.snapshot.toBytes();
    return bytes + QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
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
        return RecoveryCopy::of(*settings, m_original, FileStamp::of(m_original));
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
        // As an earlier version left it, open to all.
        QVERIFY(QDir().mkpath(m_folder));
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
        QVERIFY(fileMode(m_folder) == 0700 && fileMode(keeper.copyPath()) == 0600);
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
        QVERIFY(keeper.copyPath() != oldCopy);
        QString reason;
        QCOMPARE(RecoveryCopy::readFrom(keeper.copyPath(), &reason)->originalPath,
            QFileInfo(newName).absoluteFilePath());
    }

    // Only the user deletes a copy: a damaged one is set aside, and one
    // whose file is gone or changed restores onto the image it was taken of.
    void folderKeepsEveryCopy_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<bool>("offered");
        QTest::addRow("sound") << u""_s << true;
        QTest::addRow("of the first layout") << u"first layout"_s << true;
        QTest::addRow("naming the model by its class") << u"class name"_s << true;
        QTest::addRow("cut short") << u"cut"_s << false;
        QTest::addRow("one byte changed") << u"byte"_s << false;
        QTest::addRow("empty") << u"empty"_s << false;
        QTest::addRow("original gone") << u"gone"_s << true;
        QTest::addRow("original no longer a settings file") << u"foreign"_s << true;
        QTest::addRow("original of the other model") << u"other model"_s << true;
    }
    void folderKeepsEveryCopy()
    {
        QFETCH(QString, damage);
        QFETCH(bool, offered);
        const QString original = m_dir.filePath(u"damage.si"_s);
        QFile::remove(original);
        QVERIFY(QFile::copy(m_original, original));
        RecoveryCopy copy = copyOfEditedFirstChannel(u"Edited"_s);
        copy.originalPath = original;
        if (damage == u"class name"_s)
            copy.model = u"SettingsKelmoraHD"_s; // as copies of earlier versions did
        QByteArray bytes = damage == u"first layout"_s ? firstLayoutBytes(copy) : copy.toBytes();
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
        const QString copyPath = m_folder + u"/planted.recovery"_s;
        QVERIFY(QDir().mkpath(m_folder));
        QVERIFY(writeFileBytes(copyPath, bytes));

        QStringList setAside;
        const QList<RecoveryCopy> copies = RecoveryFolder(m_folder).restorableCopies(&setAside);
        QCOMPARE(copies.size(), offered ? 1 : 0);
        QCOMPARE(QFile::exists(copyPath), offered);
        if (!offered) {
            QCOMPARE(setAside, QStringList { RecoveryFolder::setAsidePathFor(copyPath) });
            QCOMPARE(readFileBytes(setAside.first()), bytes);
            return;
        }
        QString reason;
        std::unique_ptr<Settings> restored = copies.first().restoredStore(&reason);
        QVERIFY2(restored, qPrintable(reason));
        QCOMPARE(firstChannelName(*restored), u"Edited"_s);
    }

    // Two editors with one file open, or a copy left from before and the
    // same file opened again: ending one editor leaves the other's copy.
    void editorDeletesOnlyItsOwnCopy_data()
    {
        QTest::addColumn<bool>("otherRunning");
        QTest::addRow("other editor running, this one saves") << true;
        QTest::addRow("copy left from before, file opened and saved") << false;
    }
    void editorDeletesOnlyItsOwnCopy()
    {
        QFETCH(bool, otherRunning);
        std::unique_ptr<Settings> stores[] = { loadStore(m_original), loadStore(m_original) };
        std::optional<RecoveryKeeper> theirs(std::in_place, m_folder);
        RecoveryKeeper mine(m_folder);
        for (RecoveryKeeper *keeper : { &*theirs, &mine }) {
            keeper->track(stores[keeper == &mine].get(), m_original, FileStamp::of(m_original));
            stores[keeper == &mine]->channels().first()->setName(u"Edited"_s);
            keeper->writeNow();
        }
        theirs->waitForWorker();
        const QString theirCopy = theirs->copyPath();
        // An editor that ended without cleaning up leaves its copy unlocked.
        if (!otherRunning)
            theirs.reset();
        mine.markSaved(m_original);
        mine.waitForWorker();
        QVERIFY(QFile::exists(theirCopy));
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
        QCOMPARE(older.writeTo(m_folder + u"/older.recovery"_s), QString());
        QCOMPARE(newer.writeTo(m_folder + u"/newer.recovery"_s), QString());

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
