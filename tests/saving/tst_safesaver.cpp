#include "demosettingsbuilder.h"
#include "faultydevices.h"
#include "filebytes.h"
#include "filestamp.h"
#include "recognizesettings.h"
#include "safesaver.h"
#include "satellite.h"
#include "settings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <memory>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

std::unique_ptr<Settings> load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    return std::unique_ptr<Settings>(recognizeSettings(&file));
}

void rename(Settings &settings, const QString &name)
{
    settings.satellites().first()->setName(name);
}

enum Fault { BackupBlocked, FullDisk, ChangedOnReadBack };

// Files this process writes stop growing at `bytes`, and a write beyond
// fails with the system's own reason, as on a full disk.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_before);
        rlimit limit = m_before;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_before); }

private:
    rlimit m_before {};
};

struct stat statusOf(const QString &path)
{
    struct stat status
    {
    };
    ::stat(QFile::encodeName(path).constData(), &status);
    return status;
}

} // namespace

class TestSafeSaver : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QByteArray m_demo;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QString error;
        m_demo = DemoSettingsBuilder::demoFile(DemoSettingsBuilder::Model::KelmoraHD, &error);
        QVERIFY2(!m_demo.isEmpty(), qPrintable(error));
    }

    // The backup must hold what the user had before this session touched
    // the file: a later save must not replace it with an in-between state.
    void backupHoldsTheFileAsTheSessionFoundIt()
    {
        const QString path = m_dir.filePath(u"backup.si"_s);
        const QString backup = SafeSaver::backupPathFor(path);
        QCOMPARE(backup, path + u".bak"_s);
        QVERIFY(writeFileBytes(path, m_demo) && writeFileBytes(backup, "an older backup"));
        std::unique_ptr<Settings> settings = load(path);
        QVERIFY(settings);

        SafeSaver saver;
        rename(*settings, u"First"_s);
        SaveOutcome outcome = saver.save(*settings, path);
        QVERIFY2(outcome.ok, qPrintable(outcome.message));
        QVERIFY(outcome.fileChanged);
        QCOMPARE(outcome.backupPath, backup);
        QCOMPARE(readFileBytes(backup), m_demo);

        rename(*settings, u"Second"_s);
        outcome = saver.save(*settings, path);
        QVERIFY(outcome.ok);
        QCOMPARE(outcome.backupPath, backup);
        QCOMPARE(readFileBytes(backup), m_demo);
        const QByteArray second = readFileBytes(path);
        QVERIFY(second.contains("Second"));

        SafeSaver nextSession;
        QVERIFY(nextSession.save(*settings, path).ok);
        QCOMPARE(readFileBytes(backup), second);
    }

    void fileCreatedInTheSessionGetsNoBackup()
    {
        const QString path = m_dir.filePath(u"created.si"_s);
        const QString source = m_dir.filePath(u"source.si"_s);
        QVERIFY(writeFileBytes(source, m_demo));
        std::unique_ptr<Settings> settings = load(source);
        QVERIFY(settings);

        SafeSaver saver;
        for (int save = 0; save < 2; ++save) {
            const SaveOutcome outcome = saver.save(*settings, path);
            QVERIFY2(outcome.ok, qPrintable(outcome.message));
            QVERIFY(outcome.backupPath.isEmpty());
            QVERIFY(!QFile::exists(SafeSaver::backupPathFor(path)));
        }
        QCOMPARE(readFileBytes(path), readFileBytes(source));
    }

    void failureOutcomeSaysWhetherTheFileChanged_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<bool>("fileChanged");
        QTest::addColumn<bool>("backupNamed");
        QTest::addRow("backup blocked") << int(BackupBlocked) << false << false;
        QTest::addRow("full disk") << int(FullDisk) << false << true;
        QTest::addRow("changed on read-back") << int(ChangedOnReadBack) << true << true;
    }
    void failureOutcomeSaysWhetherTheFileChanged()
    {
        QFETCH(int, fault);
        QFETCH(bool, fileChanged);
        QFETCH(bool, backupNamed);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"fault.si"_s);
        QVERIFY(writeFileBytes(path, m_demo));
        std::unique_ptr<Settings> settings = load(path);
        QVERIFY(settings);
        rename(*settings, u"Changed"_s);

        SafeSaver saver;
        if (fault == BackupBlocked)
            QVERIFY(QDir(dir.path()).mkdir(u"fault.si.bak"_s));
        else if (fault == FullDisk)
            fillDiskAfter(saver, 4096);
        else
            changeByteOnReadBack(saver, 100);
        const SaveOutcome outcome = saver.save(*settings, path);
        QVERIFY(!outcome.ok);
        QVERIFY(!outcome.message.isEmpty());
        QCOMPARE(outcome.fileChanged, fileChanged);
        QCOMPARE(readFileBytes(path) == m_demo, !fileChanged);
        QCOMPARE(outcome.backupPath.isEmpty(), !backupNamed);
        if (backupNamed)
            QCOMPARE(readFileBytes(outcome.backupPath), m_demo);
    }

    // Two windows on one file: the later save must neither replace the
    // first one's work unasked nor its backup of the original.
    void anotherWritersChangeIsOverwrittenOnlyWhenAsked_data()
    {
        QTest::addColumn<bool>("changed");
        QTest::addRow("content changed") << true;
        QTest::addRow("only written again as it was") << false;
    }
    void anotherWritersChangeIsOverwrittenOnlyWhenAsked()
    {
        QFETCH(bool, changed);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"shared.si"_s);
        QVERIFY(writeFileBytes(path, m_demo));
        SafeSaver first;
        SafeSaver second;
        first.remember(path, FileStamp::of(path));
        second.remember(path, FileStamp::of(path));
        std::unique_ptr<Settings> firstStore = load(path);
        std::unique_ptr<Settings> secondStore = load(path);
        if (changed) {
            rename(*firstStore, u"First"_s);
            QVERIFY(first.save(*firstStore, path).ok);
        } else {
            QVERIFY(writeFileBytes(path, m_demo));
        }
        const QByteArray before = readFileBytes(path);

        rename(*secondStore, u"Second"_s);
        SaveOutcome outcome = second.save(*secondStore, path);
        QCOMPARE(outcome.changedOnDisk, changed);
        QCOMPARE(outcome.ok, !changed);
        QCOMPARE(readFileBytes(SafeSaver::backupPathFor(path)), m_demo);
        if (!changed)
            return;
        QCOMPARE(readFileBytes(path), before);
        outcome = second.save(*secondStore, path, SafeSaver::Changes::Overwrite);
        QVERIFY2(outcome.ok, qPrintable(outcome.message));
        QVERIFY(readFileBytes(path).contains("Second"));
        QCOMPARE(readFileBytes(SafeSaver::backupPathFor(path)), m_demo);
        // Written here, the file is this session's again.
        QVERIFY(second.save(*secondStore, path).ok);
    }

    // Neither the backup nor the saved file may let anyone read more than
    // the original did, and a file's other names must see the save.
    void saveKeepsWhoMayReadTheFileAndItsOtherNames_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("hardLink");
        QTest::addRow("private") << 0600 << false;
        QTest::addRow("group-readable") << 0640 << false;
        QTest::addRow("private with a second name") << 0600 << true;
    }
    void saveKeepsWhoMayReadTheFileAndItsOtherNames()
    {
        QFETCH(int, mode);
        QFETCH(bool, hardLink);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"owned.si"_s);
        const QString otherName = dir.filePath(u"other-name.si"_s);
        QVERIFY(writeFileBytes(path, m_demo));
        QCOMPARE(::chmod(QFile::encodeName(path).constData(), mode_t(mode)), 0);
        // Only root may hand a file to a group it is not in.
        const gid_t group = geteuid() == 0 ? 4242 : getegid();
        QCOMPARE(::chown(QFile::encodeName(path).constData(), uid_t(-1), group), 0);
        if (hardLink)
            QCOMPARE(
                ::link(QFile::encodeName(path).constData(), QFile::encodeName(otherName).constData()), 0);
        std::unique_ptr<Settings> settings = load(path);
        rename(*settings, u"Saved"_s);

        SafeSaver saver;
        const SaveOutcome outcome = saver.save(*settings, path);
        QVERIFY2(outcome.ok, qPrintable(outcome.message));
        for (const QString &file : { path, outcome.backupPath }) {
            QCOMPARE(int(statusOf(file).st_mode & 0777), mode);
            QCOMPARE(statusOf(file).st_gid, group);
        }
        QCOMPARE(readFileBytes(outcome.backupPath), m_demo);
        if (hardLink)
            QCOMPARE(readFileBytes(otherName), readFileBytes(path));
    }

    void backupNeverWritesThroughALink_data()
    {
        QTest::addColumn<bool>("targetExists");
        QTest::addRow("link to a file") << true;
        QTest::addRow("dangling link") << false;
    }
    void backupNeverWritesThroughALink()
    {
        QFETCH(bool, targetExists);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"linked.si"_s);
        const QString precious = dir.filePath(u"precious"_s);
        QVERIFY(writeFileBytes(path, m_demo));
        if (targetExists)
            QVERIFY(writeFileBytes(precious, "precious"));
        QVERIFY(QFile::link(precious, SafeSaver::backupPathFor(path)));
        std::unique_ptr<Settings> settings = load(path);

        SafeSaver saver;
        const SaveOutcome outcome = saver.save(*settings, path);
        QVERIFY2(outcome.ok, qPrintable(outcome.message));
        QCOMPARE(QFile::exists(precious), targetExists);
        if (targetExists)
            QCOMPARE(readFileBytes(precious), "precious"_ba);
        QVERIFY(!QFileInfo(outcome.backupPath).isSymLink());
        QCOMPARE(readFileBytes(outcome.backupPath), m_demo);
    }

    // A disk that refuses more bytes must be named as the system names it,
    // in a sentence, whether the backup or the file itself hit it.
    void failureGivesTheSystemsReason_data()
    {
        QTest::addColumn<bool>("backedUpBefore");
        QTest::addRow("writing the backup") << false;
        QTest::addRow("writing the file") << true;
    }
    void failureGivesTheSystemsReason()
    {
        QFETCH(bool, backedUpBefore);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"limited.si"_s);
        QVERIFY(writeFileBytes(path, m_demo));
        std::unique_ptr<Settings> settings = load(path);
        SafeSaver saver;
        if (backedUpBefore)
            QVERIFY(saver.save(*settings, path).ok);
        rename(*settings, u"Limited"_s);

        SaveOutcome outcome;
        {
            FileSizeLimit limit(4096);
            outcome = saver.save(*settings, path);
        }
        QVERIFY(!outcome.ok);
        const QString reason = QString::fromLocal8Bit(std::strerror(EFBIG)) + u'.';
        QVERIFY2(outcome.message.contains(reason), qPrintable(outcome.message));
        QVERIFY2(!outcome.message.contains(u"canceled"_s), qPrintable(outcome.message));
        QVERIFY(!readFileBytes(path).contains("Limited"));
    }
};

QTEST_GUILESS_MAIN(TestSafeSaver)
#include "tst_safesaver.moc"
