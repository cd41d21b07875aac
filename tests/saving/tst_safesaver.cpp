#include "demosettingsbuilder.h"
#include "faultydevices.h"
#include "filebytes.h"
#include "recognizesettings.h"
#include "safesaver.h"
#include "satellite.h"
#include "settings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

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
};

QTEST_GUILESS_MAIN(TestSafeSaver)
#include "tst_safesaver.moc"
