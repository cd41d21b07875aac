#include "channel.h"
#include "demosettingsbuilder.h"
#include "recognizesettings.h"
#include "settings.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run
{
    int status = -1;
    QByteArray out;
    QString err;
};

Run kelmoraSi(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(KELMORA_SI_PATH), arguments);
    Run run;
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.status = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestKelmoraSi : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_demo = write(
            QStringLiteral("demo.si"), DemoSettingsBuilder::demoFile(DemoSettingsBuilder::Model::KelmoraHD));
        m_foreign = write(QStringLiteral("foreign.si"), QByteArray("DIZODIDO but far too short"));
        m_notAList = write(QStringLiteral("table.csv"), QByteArray("No.,Name\r\n1,One\r\n"));
    }

    void refusalsAndUsageErrors_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        const QString out = m_dir.filePath(QStringLiteral("out.si"));
        QTest::addRow("no command") << QStringList() << 2 << QStringLiteral("no command");
        QTest::addRow("unknown command")
            << QStringList { QStringLiteral("sort") } << 2 << QStringLiteral("sort");
        QTest::addRow("missing file")
            << QStringList { QStringLiteral("info") } << 2 << QStringLiteral("FILE");
        QTest::addRow("unknown option") << QStringList { QStringLiteral("info"), QStringLiteral("--fast"),
            m_demo } << 2 << QStringLiteral("fast");
        QTest::addRow("apply-order without -o")
            << QStringList { QStringLiteral("apply-order"), m_demo, m_demo } << 2 << QStringLiteral("-o");
        QTest::addRow("export without a kind")
            << QStringList { QStringLiteral("export"), m_demo } << 2 << QStringLiteral("--csv");
        QTest::addRow("foreign file") << QStringList { QStringLiteral("info"), m_foreign } << 1 << m_foreign;
        QTest::addRow("check of a foreign file")
            << QStringList { QStringLiteral("check"), m_foreign } << 1 << m_foreign;
        QTest::addRow("foreign reference")
            << QStringList { QStringLiteral("apply-order"), m_demo, m_foreign, QStringLiteral("-o"), out }
            << 1 << m_foreign;
        QTest::addRow("reference without a readable line")
            << QStringList { QStringLiteral("apply-order"), m_demo, m_notAList, QStringLiteral("-o"), out }
            << 1 << m_notAList + QStringLiteral(": holds no channel entries; line 1");
        QTest::addRow("missing input") << QStringList { QStringLiteral("export"), QStringLiteral("--csv"),
            m_dir.filePath(QStringLiteral("none.si")) }
                                       << 1 << QStringLiteral("none.si");
        QTest::addRow("unwritable output") << QStringList { QStringLiteral("apply-order"), m_demo, m_demo,
            QStringLiteral("-o"), m_dir.filePath(QStringLiteral("no/such/dir.si")) }
                                           << 1 << QStringLiteral("dir.si");
    }
    void refusalsAndUsageErrors()
    {
        QFETCH(QStringList, arguments);
        const Run run = kelmoraSi(arguments);
        QFETCH(int, status);
        QCOMPARE(run.status, status);
        QFETCH(QString, message);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("out.si"))));
    }

    void infoCountsAgainstCapacity()
    {
        const Run run = kelmoraSi({ QStringLiteral("info"), m_demo });
        QCOMPARE(run.status, 0);
        QVERIFY2(run.out.contains("Kelmora HD"), run.out.constData());
        QVERIFY2(run.out.contains(" / 10000"), run.out.constData());
    }

    void applyingItsOwnOrderChangesNoByte()
    {
        const QString out = m_dir.filePath(QStringLiteral("same.si"));
        const QByteArray input = contents(m_demo);
        const Run run
            = kelmoraSi({ QStringLiteral("apply-order"), m_demo, m_demo, QStringLiteral("-o"), out });
        QCOMPARE(run.status, 0);
        QVERIFY2(run.err.contains(QStringLiteral("0 not at all")), qPrintable(run.err));
        QCOMPARE(contents(out), resaved(input));
        QCOMPARE(contents(m_demo), input);
    }

    void exportedReferenceAppliesWithWarnings()
    {
        const QString reference = m_dir.filePath(QStringLiteral("order.txt"));
        QCOMPARE(kelmoraSi({ QStringLiteral("export"), m_demo, QStringLiteral("--reference"),
                               QStringLiteral("-o"), reference })
                     .status,
            0);
        QByteArray text = contents(reference);
        QVERIFY(text.startsWith("# number;name;ONID-TSID-SID\n1;"));
        // The first channel moves to the end; a broken line is only reported.
        text.replace("\n1;", "\n99999;");
        text.append("not a line\n");
        write(QStringLiteral("order.txt"), text);
        const QString out = m_dir.filePath(QStringLiteral("reordered.si"));
        const Run run
            = kelmoraSi({ QStringLiteral("apply-order"), m_demo, reference, QStringLiteral("-o"), out });
        QCOMPARE(run.status, 0);
        const int lastLine = int(text.count('\n'));
        QVERIFY2(
            run.err.contains(reference + QStringLiteral(": line %1").arg(lastLine)), qPrintable(run.err));
        QVERIFY(contents(out) != resaved(contents(m_demo)));
    }

    void checkListsProblemsAndFailsOnErrors()
    {
        const Run clean = kelmoraSi({ QStringLiteral("check"), m_demo });
        QCOMPARE(clean.status, 0);
        QVERIFY2(!clean.out.contains("Error"), clean.out.constData());

        QFile file(m_demo);
        QVERIFY(file.open(QIODevice::ReadOnly));
        std::unique_ptr<Settings> settings(recognizeSettings(&file));
        QVERIFY(settings);
        Channel *channel = settings->channels().constFirst();
        channel->setPmtPid(8192);
        const QString broken
            = write(QStringLiteral("broken.si"), DemoSettingsBuilder::saveToBytes(settings.get()));
        const Run run = kelmoraSi({ QStringLiteral("check"), broken });
        QCOMPARE(run.status, 1);
        // Fields a script can cut: severity, kind, object, explanation.
        const QByteArray line = QStringLiteral("Error\tPID out of range\t%1 (SID %2)\t")
                                    .arg(channel->name())
                                    .arg(channel->serviceId())
                                    .toUtf8();
        QVERIFY2(run.out.contains(line), run.out.constData());
        QCOMPARE(run.out.count('\n'), clean.out.count('\n') + 1);
    }

    void applyOrderKeepsWhatItReplaces()
    {
        const QString out = write(QStringLiteral("kept.si"), QByteArray("an older file"));
        const Run run
            = kelmoraSi({ QStringLiteral("apply-order"), m_demo, m_demo, QStringLiteral("-o"), out });
        QCOMPARE(run.status, 0);
        QCOMPARE(contents(out + QStringLiteral(".bak")), QByteArray("an older file"));
        QCOMPARE(contents(out), resaved(contents(m_demo)));
    }

    void csvGoesToStandardOutput()
    {
        const Run run = kelmoraSi({ QStringLiteral("export"), QStringLiteral("--csv"), m_demo });
        QCOMPARE(run.status, 0);
        QVERIFY2(run.out.startsWith(
                     "\xEF\xBB\xBFId,Name,Provider,Satellite,Frequency,SymbolRate,Polarization,Service "
                     "Type,SID,Video PID,Audio PID,PCR PID,PMT PID\r\n0,"),
            run.out.constData());
    }

private:
    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    // What the editor writes for these bytes after a plain open and save.
    QByteArray resaved(const QByteArray &bytes)
    {
        const QString path = write(QStringLiteral("resave.si"), bytes);
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        std::unique_ptr<Settings> settings(recognizeSettings(&file));
        return settings ? DemoSettingsBuilder::saveToBytes(settings.get()) : QByteArray();
    }

    QTemporaryDir m_dir;
    QString m_demo;
    QString m_foreign;
    QString m_notAList;
};

QTEST_GUILESS_MAIN(TestKelmoraSi)
#include "tst_kelmorasi.moc"
