#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTest>

// What a program run by a test answered: its exit status (-1 when it did not
// end by itself), its standard output and its standard error.
struct ProcessRun
{
    int status = -1;
    QByteArray out;
    QString err;
};

// Files for standard input and output, when not empty, and the locale, English
// by default so that the expected texts hold everywhere.
struct ProcessOptions
{
    QString input = QString();
    QString output = QString();
    QString locale = QStringLiteral("C");
};

// Runs a program with these options. A run that does not end (waiting for its
// input, say) is killed after a while: that, a crash and a program that cannot
// be started fail the running test saying so, rather than leaving it to a
// puzzling mismatch of statuses or to the test runner's timeout.
inline ProcessRun runProcess(
    const QString &program, const QStringList &arguments, const ProcessOptions &options = {})
{
    constexpr int timeoutMs = 20000;
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), options.locale);
    process.setProcessEnvironment(environment);
    if (!options.input.isEmpty())
        process.setStandardInputFile(options.input);
    if (!options.output.isEmpty())
        process.setStandardOutputFile(options.output);
    process.start(program, arguments);
    ProcessRun run;
    const QString command = (QStringList { program } + arguments).join(u' ');
    if (!process.waitForFinished(timeoutMs)) {
        const bool hangs = process.state() != QProcess::NotRunning;
        process.kill();
        process.waitForFinished();
        const QString why = hangs
            ? QStringLiteral("did not finish within %1 s and was killed").arg(timeoutMs / 1000)
            : QStringLiteral("could not be run: ") + process.errorString();
        QTest::qFail(qPrintable(command + u' ' + why), __FILE__, __LINE__);
        return run;
    }
    if (process.exitStatus() != QProcess::NormalExit) {
        QTest::qFail(qPrintable(command + QStringLiteral(" crashed")), __FILE__, __LINE__);
        return run;
    }
    run.status = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

#ifdef KELMORA_SI_PATH
// The command-line tool, in the tests that are given its path.
inline ProcessRun kelmoraSi(const QStringList &arguments, const ProcessOptions &options = {})
{
    return runProcess(QStringLiteral(KELMORA_SI_PATH), arguments, options);
}
#endif
