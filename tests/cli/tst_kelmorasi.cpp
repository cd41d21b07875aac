#include "demosettingsbuilder.h"
#include "filebytes.h"
#include "formats/recognizesettings.h"
#include "model/channel.h"
#include "processrun.h"
#include "store/settings.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <sys/sysmacros.h>

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
        m_list = write(QStringLiteral("list.txt"), QByteArray("1;One;\n"));
        m_link = m_dir.filePath(QStringLiteral("link.si"));
        QVERIFY(QFile::link(m_demo, m_link));
        m_pipe = m_dir.filePath(QStringLiteral("pipe"));
        QCOMPARE(mkfifo(QFile::encodeName(m_pipe).constData(), 0600), 0);
        // Sparse, so that it takes no room on the disk.
        m_huge = write(QStringLiteral("huge.txt"), QByteArray("1;One;\n"));
        QVERIFY(QFile::resize(m_huge, 64 * 1024 * 1024 + 1));
        m_null = makeDevice(QStringLiteral("null"), 3);
        m_full = makeDevice(QStringLiteral("full"), 7);
    }

    // All trouble (status 2), said in a line that names the program.
    void refusalsAndUsageErrors_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        const QString out = m_dir.filePath(QStringLiteral("out.si"));
        QTest::addRow("no command") << QStringList() << QStringLiteral("no command");
        QTest::addRow("unknown command") << QStringList { QStringLiteral("sort") } << QStringLiteral("sort");
        QTest::addRow("missing file") << QStringList { QStringLiteral("info") } << QStringLiteral("FILE");
        QTest::addRow("unknown option") << QStringList { QStringLiteral("info"), QStringLiteral("--fast"),
            m_demo } << QStringLiteral("fast");
        QTest::addRow("apply-order without -o")
            << QStringList { QStringLiteral("apply-order"), m_demo, m_demo } << QStringLiteral("-o");
        QTest::addRow("export without a kind")
            << QStringList { QStringLiteral("export"), m_demo } << QStringLiteral("--csv");
        QTest::addRow("wrong size") << QStringList { QStringLiteral("info"), m_foreign }
                                    << QStringLiteral(
                                           "kelmora-si: %1: not a Kelmora 2XX or HD settings file: its "
                                           "size of 26 bytes fits neither receiver: a Kelmora 2XX file "
                                           "has 328556 bytes, a Kelmora HD file 399568")
                                           .arg(m_foreign);
        QTest::addRow("wrong start") << QStringList { QStringLiteral("info"), m_notAList }
                                     << QStringLiteral("does not start with \"DIZODIDO\"");
        QTest::addRow("standard input twice") << QStringList {
            QStringLiteral("apply-order"), QStringLiteral("-"), QStringLiteral("-"), QStringLiteral("-o"), out
        } << QStringLiteral("kelmora-si: standard input can be read only once");
        QTest::addRow("check of a foreign file")
            << QStringList { QStringLiteral("check"), m_foreign } << m_foreign;
        QTest::addRow("foreign reference") << QStringList { QStringLiteral("apply-order"), m_demo, m_foreign,
            QStringLiteral("-o"), out } << m_foreign;
        QTest::addRow("reference without a readable line")
            << QStringList { QStringLiteral("apply-order"), m_demo, m_notAList, QStringLiteral("-o"), out }
            << m_notAList + QStringLiteral(": holds no channel entries; line 1");
        QTest::addRow("missing input") << QStringList { QStringLiteral("export"), QStringLiteral("--csv"),
            m_dir.filePath(QStringLiteral("none.si")) }
                                       << QStringLiteral("none.si");
        QTest::addRow("unwritable output") << QStringList { QStringLiteral("apply-order"), m_demo, m_demo,
            QStringLiteral("-o"), m_dir.filePath(QStringLiteral("no/such/dir.si")) }
                                           << QStringLiteral("dir.si");
        // Nothing blocks on a pipe, replaces a device, swaps a settings file
        // for a table or a list for a settings file, or reads a huge file whole.
        const QString o = QStringLiteral("-o");
        const QString csv = QStringLiteral("--csv");
        const QString notRegular = QStringLiteral("not a regular file");
        QTest::addRow("FIFO as input") << QStringList { QStringLiteral("info"), m_pipe } << notRegular;
        QTest::addRow("FIFO as reference")
            << QStringList { QStringLiteral("apply-order"), m_demo, m_pipe, o, out } << notRegular;
        QTest::addRow("FIFO as export target")
            << QStringList { QStringLiteral("export"), csv, m_demo, o, m_pipe } << notRegular;
        QTest::addRow("CSV over its settings file") << QStringList { QStringLiteral("export"), csv, m_demo, o,
            m_demo } << QStringLiteral("settings file");
        QTest::addRow("list over a settings file by a link")
            << QStringList { QStringLiteral("export"), QStringLiteral("--reference"), m_demo, o, m_link }
            << QStringLiteral("settings file");
        QTest::addRow("settings over its reference list") << QStringList { QStringLiteral("apply-order"),
            m_demo, m_list, o, m_list } << QStringLiteral("reference list");
        QTest::addRow("reference beyond 64 MiB") << QStringList { QStringLiteral("apply-order"), m_demo,
            m_huge, o, out } << QStringLiteral("larger than");
        if (m_null.isEmpty())
            return;
        QTest::addRow("device as export target")
            << QStringList { QStringLiteral("export"), csv, m_demo, o, m_null } << notRegular;
        QTest::addRow("device as settings target")
            << QStringList { QStringLiteral("apply-order"), m_demo, m_demo, o, m_null } << notRegular;
    }
    void refusalsAndUsageErrors()
    {
        const QByteArray settings = readFileBytes(m_demo);
        const QByteArray list = readFileBytes(m_list);
        QFETCH(QStringList, arguments);
        const ProcessRun run = kelmoraSi(arguments);
        QCOMPARE(run.status, 2);
        QFETCH(QString, message);
        QVERIFY2(run.err.startsWith(QStringLiteral("kelmora-si: ")) && run.err.contains(message),
            qPrintable(run.err));
        QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("out.si"))));
        QCOMPARE(readFileBytes(m_demo), settings);
        QCOMPARE(readFileBytes(m_list), list);
        for (const QString &special : { m_pipe, m_null })
            QVERIFY(special.isEmpty() || !QFileInfo(special).isFile());
    }

    void messagesFollowTheUsersLanguage()
    {
        const ProcessRun run = kelmoraSi(
            { QStringLiteral("info"), m_foreign }, { QString(), QString(), QStringLiteral("de_DE.UTF-8") });
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.startsWith(QStringLiteral("kelmora-si: %1: keine Einstellungsdatei").arg(m_foreign)),
            qPrintable(run.err));
    }

    void infoCountsAgainstCapacity()
    {
        const ProcessRun run = kelmoraSi({ QStringLiteral("info"), m_demo });
        QCOMPARE(run.status, 0);
        QVERIFY2(run.out.contains("Kelmora HD"), run.out.constData());
        QVERIFY2(run.out.contains(" / 10000"), run.out.constData());

        const ProcessRun json = kelmoraSi({ QStringLiteral("info"), QStringLiteral("--json"), m_demo });
        QCOMPARE(json.status, 0);
        const QJsonObject info = QJsonDocument::fromJson(json.out).object();
        QCOMPARE(info.value(u"model").toString(), QStringLiteral("Kelmora HD"));
        QCOMPARE(info.value(u"channels").toObject().value(u"capacity").toInt(), 10000);
        QVERIFY(info.value(u"satellites").toObject().value(u"count").toInt() > 0);
        const QJsonObject groups = info.value(u"favoriteGroups").toObject();
        QCOMPARE(groups.value(u"groups").toArray().size(), groups.value(u"count").toInt());
        QVERIFY(groups.value(u"groups").toArray().at(0).toObject().value(u"name").isString());
    }

    void applyingItsOwnOrderChangesNoByte()
    {
        const QString out = m_dir.filePath(QStringLiteral("same.si"));
        const QByteArray input = readFileBytes(m_demo);
        const ProcessRun run
            = kelmoraSi({ QStringLiteral("apply-order"), m_demo, m_demo, QStringLiteral("-o"), out });
        QCOMPARE(run.status, 0);
        QVERIFY2(run.err.contains(QStringLiteral("0 not at all")), qPrintable(run.err));
        QCOMPARE(readFileBytes(out), resaved(input));
        QCOMPARE(readFileBytes(m_demo), input);
    }

    void exportedReferenceAppliesWithWarnings()
    {
        const QString reference = m_dir.filePath(QStringLiteral("order.txt"));
        QCOMPARE(kelmoraSi({ QStringLiteral("export"), m_demo, QStringLiteral("--reference"),
                               QStringLiteral("-o"), reference })
                     .status,
            0);
        QByteArray text = readFileBytes(reference);
        QVERIFY(text.startsWith("# number;name;ONID-TSID-SID\n1;"));
        // The first channel moves to the end; a broken line is only reported.
        text.replace("\n1;", "\n99999;");
        text.append("not a line\n");
        write(QStringLiteral("order.txt"), text);
        const QString out = m_dir.filePath(QStringLiteral("reordered.si"));
        const ProcessRun run
            = kelmoraSi({ QStringLiteral("apply-order"), m_demo, reference, QStringLiteral("-o"), out });
        QCOMPARE(run.status, 0);
        const int lastLine = int(text.count('\n'));
        QVERIFY2(
            run.err.contains(reference + QStringLiteral(": line %1").arg(lastLine)), qPrintable(run.err));
        QVERIFY(readFileBytes(out) != resaved(readFileBytes(m_demo)));
    }

    void checkListsProblemsAndFailsOnErrors()
    {
        const ProcessRun clean = kelmoraSi({ QStringLiteral("check"), m_demo });
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
        const ProcessRun run = kelmoraSi({ QStringLiteral("check"), broken });
        QCOMPARE(run.status, 1);
        // Fields a script can cut: severity, kind, object, explanation.
        const QByteArray line = QStringLiteral("Error\tPID out of range\t%1 (SID %2)\t")
                                    .arg(channel->name())
                                    .arg(channel->serviceId())
                                    .toUtf8();
        QVERIFY2(run.out.contains(line), run.out.constData());
        QCOMPARE(run.out.count('\n'), clean.out.count('\n') + 1);

        const ProcessRun json = kelmoraSi({ QStringLiteral("check"), QStringLiteral("--json"), broken });
        QCOMPARE(json.status, 1);
        const QJsonObject report = QJsonDocument::fromJson(json.out).object();
        QCOMPARE(report.value(u"errors").toInt(), 1);
        const QJsonArray problems = report.value(u"problems").toArray();
        QCOMPARE(problems.size(), clean.out.count('\n') + 1);
        const auto error = std::find_if(problems.begin(), problems.end(),
            [](const QJsonValue &problem) { return problem[u"severity"].toString() == u"error"; });
        QVERIFY(error != problems.end());
        QCOMPARE((*error)[u"kind"].toString(), QStringLiteral("pid-out-of-range"));
        QCOMPARE((*error)[u"object"][u"type"].toString(), QStringLiteral("channel"));
        QVERIFY((*error)[u"explanation"].toString().size() > 0);
    }

    void applyOrderKeepsWhatItReplaces()
    {
        const QString out = write(QStringLiteral("kept.si"), QByteArray("an older file"));
        const ProcessRun run
            = kelmoraSi({ QStringLiteral("apply-order"), m_demo, m_demo, QStringLiteral("-o"), out });
        QCOMPARE(run.status, 0);
        QCOMPARE(readFileBytes(out + QStringLiteral(".bak")), QByteArray("an older file"));
        QCOMPARE(readFileBytes(out), resaved(readFileBytes(m_demo)));
    }

    void csvGoesToStandardOutput()
    {
        const ProcessRun run = kelmoraSi({ QStringLiteral("export"), QStringLiteral("--csv"), m_demo });
        QCOMPARE(run.status, 0);
        QVERIFY2(run.out.startsWith(
                     "\xEF\xBB\xBFId,Name,Provider,Satellite,Frequency,SymbolRate,Polarization,Service "
                     "Type,SID,Video PID,Audio PID,PCR PID,PMT PID\r\n0,"),
            run.out.constData());
    }

    // "-" is standard input for any FILE and standard output for -o.
    void standardStreams_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("out");
        const QString dash = QStringLiteral("-");
        const QByteArray image = resaved(readFileBytes(m_demo));
        QTest::addRow("info of a pipe")
            << QStringList { QStringLiteral("info"), dash } << QByteArray("-: Kelmora HD");
        QTest::addRow("export to -o -") << QStringList { QStringLiteral("export"), dash,
            QStringLiteral("--reference"), QStringLiteral("-o"), dash }
                                        << QByteArray("# number;name;ONID-TSID-SID\n1;");
        QTest::addRow("apply-order of a pipe") << QStringList { QStringLiteral("apply-order"), dash, m_demo,
            QStringLiteral("-o"), dash } << image;
        QTest::addRow("apply-order by a piped reference") << QStringList { QStringLiteral("apply-order"),
            m_demo, dash, QStringLiteral("-o"), dash } << image;
    }
    void standardStreams()
    {
        QFETCH(QStringList, arguments);
        const ProcessRun run = kelmoraSi(arguments, { m_demo });
        QCOMPARE(run.status, 0);
        QFETCH(QByteArray, out);
        QVERIFY2(run.out.startsWith(out), run.out.left(200).constData());
    }

    void writeErrorsOnStandardOutputAreTrouble_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addRow("info") << QStringList { QStringLiteral("info"), m_demo };
        QTest::addRow("info --json") << QStringList { QStringLiteral("info"), QStringLiteral("--json"),
            m_demo };
        QTest::addRow("export") << QStringList { QStringLiteral("export"), QStringLiteral("--csv"), m_demo };
        QTest::addRow("apply-order") << QStringList { QStringLiteral("apply-order"), m_demo, m_demo,
            QStringLiteral("-o"), QStringLiteral("-") };
    }
    void writeErrorsOnStandardOutputAreTrouble()
    {
        if (m_full.isEmpty())
            QSKIP("making a device node needs root");
        QFETCH(QStringList, arguments);
        const ProcessRun run = kelmoraSi(arguments, { QString(), m_full });
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.contains(QStringLiteral("kelmora-si: standard output: write error: ")),
            qPrintable(run.err));
    }

private:
    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(name);
        if (!writeFileBytes(path, bytes))
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

    // Our own copies of /dev/null and /dev/full; empty unless run as root.
    QString makeDevice(const QString &name, int minor)
    {
        const QString path = m_dir.filePath(name);
        return mknod(QFile::encodeName(path).constData(), S_IFCHR | 0600, makedev(1, minor)) == 0 ? path
                                                                                                  : QString();
    }

    QTemporaryDir m_dir;
    QString m_demo;
    QString m_list;
    QString m_link;
    QString m_pipe;
    QString m_huge;
    QString m_null;
    QString m_full;
    QString m_foreign;
    QString m_notAList;
};

QTEST_GUILESS_MAIN(TestKelmoraSi)
#include "tst_kelmorasi.moc"
