#include <QProcess>
#include <QTest>

// The editor's command line, through the real executable: what a user or a
// launcher sees on the terminal before any window opens.
class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void answersWithoutOpeningAWindow_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("inStandardOutput");
        QTest::addColumn<QString>("inStandardError");
        // Help and version answer where no display is (ssh, a package build).
        QTest::addColumn<bool>("withoutDisplay");

        const QString version = QStringLiteral("kelmora-settings-editor " KELMORA_VERSION "\n");
        QTest::addRow("--version") << QStringList { QStringLiteral("--version") } << 0
                                   << QStringList { version } << QString() << true;
        QTest::addRow("-v") << QStringList { QStringLiteral("-v") } << 0 << QStringList { version }
                            << QString() << true;
        QTest::addRow("--help") << QStringList { QStringLiteral("--help") } << 0
                                << QStringList { QStringLiteral("Usage: "),
                                       QStringLiteral("kelmora-settings-editor [options] [file]"),
                                       QStringLiteral("Kelmora 2XX and Kelmora HD"),
                                       QStringLiteral("--version"), QStringLiteral("--help"),
                                       QStringLiteral("The settings file to open.") }
                                << QString() << true;
        QTest::addRow("unknown option")
            << QStringList { QStringLiteral("--frobnicate") } << 1 << QStringList()
            << QStringLiteral("Unknown option 'frobnicate'") << false;
        QTest::addRow("two files") << QStringList { QStringLiteral("a.si"), QStringLiteral("b.si") } << 2
                                   << QStringList() << QStringLiteral("Only one file") << false;
    }

    void answersWithoutOpeningAWindow()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QStringList, inStandardOutput);
        QFETCH(QString, inStandardError);
        QFETCH(bool, withoutDisplay);

        QProcess editor;
        // The expected texts are the English ones.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
        if (withoutDisplay) {
            for (const char *name : { "QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY" })
                environment.remove(QLatin1String(name));
        }
        editor.setProcessEnvironment(environment);
        editor.start(QStringLiteral(KELMORA_EDITOR), arguments);
        QVERIFY(editor.waitForFinished(60000));
        QCOMPARE(editor.exitStatus(), QProcess::NormalExit);
        QCOMPARE(editor.exitCode(), exitCode);
        const QString output = QString::fromLocal8Bit(editor.readAllStandardOutput());
        for (const QString &text : std::as_const(inStandardOutput))
            QVERIFY2(output.contains(text), qPrintable(output));
        const QString errors = QString::fromLocal8Bit(editor.readAllStandardError());
        QVERIFY2(errors.contains(inStandardError), qPrintable(errors));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
