#include "clitool.h"

#include "recognizesettings.h"
#include "safesaver.h"
#include "settings.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <cstdio>

CliTool::CliTool()
    : m_out(stdout)
    , m_err(stderr)
{ }

QString CliTool::overview() const
{
    QString text
        = tr("Usage: %1 COMMAND [options] ARGUMENTS\n\nCommands:\n").arg(QCoreApplication::applicationName());
    for (const Command &command : m_commands)
        text += QStringLiteral("  %1  %2\n").arg(command.name, -12).arg(command.summary);
    text += tr("\nRun \"%1 COMMAND --help\" for a command's arguments.\n")
                .arg(QCoreApplication::applicationName());
    return text;
}

int CliTool::run(const QStringList &arguments)
{
    const QString name = arguments.value(1);
    if (name == QLatin1String("--help") || name == QLatin1String("-h")) {
        m_out << overview();
        return Success;
    }
    if (name == QLatin1String("--version") || name == QLatin1String("-v")) {
        m_out << QCoreApplication::applicationName() << ' ' << QCoreApplication::applicationVersion() << '\n';
        return Success;
    }
    for (const Command &command : std::as_const(m_commands))
        if (command.name == name)
            return runCommand(command, arguments.mid(1));
    m_err << overview();
    return usageError(name.isEmpty() ? tr("no command given") : tr("unknown command \"%1\"").arg(name));
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
        m_out << text << Qt::flush;
        return Success;
    }
    const qsizetype given = parser.positionalArguments().size();
    if (given != command.arguments.size()) {
        QStringList names;
        for (const Argument &argument : command.arguments)
            names.append(argument.name);
        return usageError(tr("%1 expects the arguments %2; %3 given")
                              .arg(command.name, names.join(u' '), QString::number(given)));
    }
    return command.run(*this, parser);
}

int CliTool::refuse(const QString &file, const QString &message)
{
    m_err << file << ": " << message << Qt::endl;
    return Refused;
}

int CliTool::usageError(const QString &message)
{
    m_err << QCoreApplication::applicationName() << ": " << message << Qt::endl;
    return UsageError;
}

void CliTool::report(const QString &file, const QString &message)
{
    m_err << file << ": " << message << Qt::endl;
}

std::unique_ptr<Settings> CliTool::loadSettings(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        refuse(path, file.errorString());
        return nullptr;
    }
    std::unique_ptr<Settings> settings(recognizeSettings(&file));
    if (!settings)
        refuse(path, tr("not a Kelmora 2XX or HD settings file"));
    return settings;
}

bool CliTool::writeOutput(const QString &path, const QByteArray &bytes)
{
    if (path.isEmpty()) {
        m_out.flush();
        return std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size())
            && std::fflush(stdout) == 0;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        refuse(path, file.errorString());
        return false;
    }
    return true;
}

bool CliTool::saveSettings(Settings &settings, const QString &path)
{
    // The saver keeps a copy of a file it replaces and reads the result back,
    // so a script cannot lose the original to a bad write either.
    SafeSaver saver;
    const SaveOutcome outcome = saver.save(settings, path);
    if (!outcome.ok)
        refuse(path, QString(outcome.message).replace(u'\n', u' '));
    return outcome.ok;
}
