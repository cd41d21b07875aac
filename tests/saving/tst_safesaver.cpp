#include "demosettingsbuilder.h"
#include "faultydevices.h"
#include "filebytes.h"
#include "formats/recognizesettings.h"
#include "model/satellite.h"
#include "saving/safesaver.h"
#include "store/settings.h"

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

    // Neither the backup nor the saved file may let anyone read more than
    // the original did; the file's other names see the save, and a link in
    // the backup's place is replaced, not written through.
    void saveKeepsWhoMayReadTheFileAndItsOtherNames_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("other");
        QTest::addRow("private") << 0600 << QString();
        QTest::addRow("group-readable") << 0640 << QString();
        QTest::addRow("second name") << 0600 << u"hard link"_s;
        QTest::addRow("backup is a link") << 0600 << u"backup link"_s;
        QTest::addRow("backup is a dangling link") << 0600 << u"dangling link"_s;
    }
    void saveKeepsWhoMayReadTheFileAndItsOtherNames()
    {
        QFETCH(int, mode);
        QFETCH(QString, other);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"owned.si"_s);
        const QString otherPath = dir.filePath(u"other"_s);
        const QByteArray path8 = QFile::encodeName(path);
        QVERIFY(writeFileBytes(path, m_demo) && ::chmod(path8.constData(), mode_t(mode)) == 0);
        // Only root may hand a file to a group it is not in.
        const gid_t group = geteuid() == 0 ? 4242 : getegid();
        QCOMPARE(::chown(path8.constData(), uid_t(-1), group), 0);
        if (other == u"hard link"_s)
            QCOMPARE(::link(path8.constData(), QFile::encodeName(otherPath).constData()), 0);
        else if (!other.isEmpty())
            QVERIFY(QFile::link(otherPath, SafeSaver::backupPathFor(path)));
        if (other == u"backup link"_s)
            QVERIFY(writeFileBytes(otherPath, "precious"));
        std::unique_ptr<Settings> settings = load(path);
        rename(*settings, u"Saved"_s);

        const SaveOutcome outcome = SafeSaver().save(*settings, path);
        QVERIFY2(outcome.ok, qPrintable(outcome.message));
        for (const QString &file : { path, outcome.backupPath })
            QVERIFY(fileMode(file) == mode && QFileInfo(file).groupId() == group);
        QCOMPARE(readFileBytes(outcome.backupPath), m_demo);
        QVERIFY(!QFileInfo(outcome.backupPath).isSymLink());
        if (other == u"hard link"_s)
            QCOMPARE(readFileBytes(otherPath), readFileBytes(path));
        else if (other == u"backup link"_s)
            QCOMPARE(readFileBytes(otherPath), "precious"_ba);
        else if (other == u"dangling link"_s)
            QVERIFY(!QFile::exists(otherPath));
    }

    // A disk that refuses more bytes is named as the system names it, in a
    // sentence, not in the words of the write's own cancelling.
    void failureGivesTheSystemsReason()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"limited.si"_s);
        QVERIFY(writeFileBytes(path, m_demo));
        std::unique_ptr<Settings> settings = load(path);
        SafeSaver saver;
        QVERIFY(saver.save(*settings, path).ok);
        rename(*settings, u"Limited"_s);

        // Files stop growing at 4 KiB, as on a full disk.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit {};
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit before = limit;
        limit.rlim_cur = 4096;
        setrlimit(RLIMIT_FSIZE, &limit);
        const SaveOutcome outcome = saver.save(*settings, path);
        setrlimit(RLIMIT_FSIZE, &before);
        const QString reason = QString::fromLocal8Bit(std::strerror(EFBIG)) + u'.';
        QVERIFY2(outcome.message.contains(reason) && !outcome.message.contains(u"canceled"_s),
            qPrintable(outcome.message));
        QVERIFY(!readFileBytes(path).contains("Limited"));
    }
};

QTEST_GUILESS_MAIN(TestSafeSaver)
#include "tst_safesaver.moc"
