#include "demosettingsbuilder.h"
#include "filebytes.h"
#include "kelmoratestimage.h"
#include "model/channel.h"
#include "processrun.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

// "kelmora-si diff" run as a process: its lines, its JSON and its status.
class TestKelmoraSiDiff : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        const QByteArray demo = DemoSettingsBuilder::demoFile(DemoSettingsBuilder::Model::KelmoraHD);
        std::unique_ptr<Settings> edited = loadBytes(demo);
        QVERIFY(edited);
        edited->channels().at(0)->setName(QStringLiteral("Renamed"));
        edited->channels().at(0)->setAudioPid(777);
        m_a = path(QStringLiteral("a.si"));
        m_b = path(QStringLiteral("b.si"));
        m_foreign = path(QStringLiteral("foreign.si"));
        QVERIFY(writeFileBytes(m_a, demo));
        QVERIFY(writeFileBytes(m_b, saveBytes(edited.get())));
        QVERIFY(writeFileBytes(m_foreign, QByteArray("DIZODIDO, but short")));
    }

    void statusAndLines_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("out");
        QTest::addRow("same") << QStringList { m_a, m_a } << 0 << QByteArray();
        QTest::addRow("differ") << QStringList { m_a, m_b } << 1
                                << QByteArray("changed\tchannel\tDas Erste HD\tname: \"Das Erste HD\" -> "
                                              "\"Renamed\"; audio-pid: 201 -> 777\n");
        QTest::addRow("foreign second file") << QStringList { m_a, m_foreign } << 2 << QByteArray();
        QTest::addRow("missing first file")
            << QStringList { path(QStringLiteral("none.si")), m_a } << 2 << QByteArray();
    }
    void statusAndLines()
    {
        QFETCH(QStringList, files);
        const ProcessRun run = kelmoraSi(QStringList { QStringLiteral("diff") } + files);
        QTEST(run.status, "status");
        QTEST(run.out, "out");
    }

    void json()
    {
        const ProcessRun run = kelmoraSi({ QStringLiteral("diff"), QStringLiteral("--json"), m_a, m_b });
        QCOMPARE(run.status, 1);
        const QJsonObject document = QJsonDocument::fromJson(run.out).object();
        QCOMPARE(document.value(QStringLiteral("same")).toBool(true), false);
        QCOMPARE(
            document.value(QStringLiteral("counts")).toObject().value(QStringLiteral("changed")).toInt(), 1);
        const QJsonObject change = document.value(QStringLiteral("differences"))
                                       .toArray()
                                       .at(0)
                                       .toObject()
                                       .value(QStringLiteral("changes"))
                                       .toArray()
                                       .at(1)
                                       .toObject();
        QCOMPARE(change.value(QStringLiteral("field")).toString(), QStringLiteral("audio-pid"));
        QCOMPARE(change.value(QStringLiteral("b")).toString(), QStringLiteral("777"));
    }

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
    QString m_a, m_b, m_foreign;
};

QTEST_GUILESS_MAIN(TestKelmoraSiDiff)
#include "tst_kelmorasidiff.moc"
