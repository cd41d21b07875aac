#include "cli/clitool.h"

#include "reference/exporttarget.h"
#include "formats/recognizesettings.h"
#include "saving/safesaver.h"
#include "store/settings.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>

#include <sys/stat.h>
#include <unistd.h>

CliTool::CliTool()
    : m_out(&m_stdout)
    , m_err(stderr)
{
    // Unbuffered by QFile too, so that the bytes of an export and the text
    // of a report keep their order.
    if (!m_stdout.open(
            STDOUT_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::DontCloseHandle))
        m_err << QCoreApplication::applicationName() << ": " << m_stdout.errorString() << Qt::endl;
}

QString CliTool::overview() const
{
    QString text
        = tr("Usage: %1 COMMAND [options] ARGUMENTS\n\nCommands:\n").arg(QCoreApplication::applicationName());
    for (const Command &command : m_commands)
        text += QStringLiteral("  %1  %2\n").arg(command.name, -12).arg(command.summary);
    text += tr("\nA FILE of \"-\" is standard input, an output of \"-\" standard output.\n"
               "Run \"%1 COMMAND --help\" for a command's arguments.\n")
                .arg(QCoreApplication::applicationName());
    return text;
}

int CliTool::run(const QStringList &arguments)
{
    const QString name = arguments.value(1);
    if (name == QLatin1String("--help") || name == QLatin1String("-h")) {
        m_out << overview();
        return finish(Success);
    }
    if (name == QLatin1String("--version") || name == QLatin1String("-v")) {
        m_out << QCoreApplication::applicationName() << ' ' << QCoreApplication::applicationVersion() << '\n';
        return finish(Success);
    }
    for (const Command &command : std::as_const(m_commands))
        if (command.name == name)
            return finish(runCommand(command, arguments.mid(1)));
    const int status
        = usageError(name.isEmpty() ? tr("no command given") : tr("unknown command \"%1\"").arg(name));
    m_err << '\n' << overview();
    return status;
}

// Output a script cannot see is trouble, even when the command went well:
// "info > /dev/full" must not pass for a report.
int CliTool::finish(int status)
{
    m_out.flush();
    if (m_out.status() == QTextStream::Ok && m_stdout.error() == QFileDevice::NoError)
        return status;
    return refuse(tr("standard output"), tr("write error: %1").arg(m_stdout.errorString()));
}

int CliTool::runCommand(const Command &command, const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(command.summary);
    const QCommandLineOption help({ QStringLiteral("h"), QStringLiteral("help") }, tr("Shows this help."));
    parser.addOption(help);
    parser.addOptions(command.options);
    for (const Argument &argument : command.arguments)
        parser.addPositionalArgument(argument.name, argument.description);
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(help)) {
        // The parser names the program by its path; the usage line wants the command too.
        QString text = parser.helpText();
        text.replace(QCoreApplication::arguments().constFirst(),
            QCoreApplication::applicationName() + u' ' + command.name);
        m_out << text;
        return Success;
    }
    const QStringList given = parser.positionalArguments();
    if (given.size() != command.arguments.size()) {
        QStringList names;
        for (const Argument &argument : command.arguments)
            names.append(argument.name);
        return usageError(tr("%1 expects the arguments %2; %3 given")
                              .arg(command.name, names.join(u' '), QString::number(given.size())));
    }
    if (given.count(QStringLiteral("-")) > 1)
        return usageError(tr("standard input can be read only once"));
    return command.run(*this, parser);
}

QString CliTool::displayName(const QString &path)
{
    return isStandardStream(path) ? tr("standard input") : path;
}

int CliTool::refuse(const QString &file, const QString &message)
{
    report(file, message);
    return Trouble;
}

int CliTool::usageError(const QString &message)
{
    m_err << QCoreApplication::applicationName() << ": " << message << Qt::endl;
    return Trouble;
}

void CliTool::report(const QString &file, const QString &message)
{
    m_err << QCoreApplication::applicationName() << ": " << displayName(file) << ": " << message << Qt::endl;
}

std::unique_ptr<Settings> CliTool::loadSettings(const QString &path)
{
    QString reason;
    std::unique_ptr<Settings> settings = readSettingsFile(path, &reason);
    if (!settings)
        refuse(path, reason);
    return settings;
}

bool CliTool::writeOutput(const QString &path, const QByteArray &bytes)
{
    if (path.isEmpty() || isStandardStream(path)) {
        m_out.flush();
        return m_stdout.write(bytes) == bytes.size();
    }
    if (const QString why = ExportTarget::write(path, bytes); !why.isEmpty()) {
        refuse(path, tr("not written: %1").arg(why));
        return false;
    }
    return true;
}

bool CliTool::saveSettings(Settings &settings, const QString &path)
{
    if (isStandardStream(path)) {
        m_out.flush();
        // A failed write of standard output itself is reported when the command ends.
        if (settings.save(&m_stdout) < 0 && m_stdout.error() == QFileDevice::NoError) {
            refuse(tr("standard output"), tr("not written: %1").arg(settings.errorString()));
            return false;
        }
        return m_stdout.error() == QFileDevice::NoError;
    }
    // The saver keeps a copy of a file it replaces and reads the result back,
    // so a script cannot lose the original to a bad write either.
    SafeSaver saver;
    const SaveOutcome outcome = saver.save(settings, path);
    if (!outcome.ok) {
        const QString reason = QString(outcome.reason).replace(u'\n', u' ');
        refuse(
            path, outcome.fileChanged ? tr("written, but %1").arg(reason) : tr("not saved: %1").arg(reason));
    }
    return outcome.ok;
}

bool CliTool::sameFile(const QString &first, const QString &second)
{
    struct stat a;
    struct stat b;
    return ::stat(QFile::encodeName(first).constData(), &a) == 0
        && ::stat(QFile::encodeName(second).constData(), &b) == 0 && a.st_dev == b.st_dev
        && a.st_ino == b.st_ino;
}

const QCommandLineOption &CliTool::jsonOption()
{
    static const QCommandLineOption option(QStringLiteral("json"), tr("Writes JSON for scripts."));
    return option;
}

void CliTool::writeJson(const QJsonObject &object)
{
    m_out << QJsonDocument(object).toJson(QJsonDocument::Indented);
}
