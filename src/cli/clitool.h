#pragma once

#include <QCommandLineOption>
#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

#include <functional>
#include <memory>

class QCommandLineParser;
class Settings;

// The command-line tool: picks the subcommand from the first argument and
// runs it. Every subcommand is one function that gets its own parser and
// the tool for loading, writing and reporting.
class CliTool
{
    Q_DECLARE_TR_FUNCTIONS(CliTool)

public:
    enum ExitStatus { Success = 0, Refused = 1, UsageError = 2 };

    struct Argument
    {
        QString name;
        QString description;
    };
    // Runs once the arguments are parsed and exactly the declared positional
    // arguments were given.
    using Run = std::function<int(CliTool &tool, const QCommandLineParser &parser)>;
    struct Command
    {
        QString name;
        QString summary;
        QList<Argument> arguments;
        QList<QCommandLineOption> options;
        Run run;
    };

    CliTool();
    void addCommand(const Command &command) { m_commands.append(command); }
    int run(const QStringList &arguments);

    // Reports on standard error, prefixed with the file the problem is in.
    int refuse(const QString &file, const QString &message);
    int usageError(const QString &message);
    void report(const QString &file, const QString &message);
    QTextStream &out() { return m_out; }

    // Null after reporting why the file was refused.
    std::unique_ptr<Settings> loadSettings(const QString &path);
    // Standard output for an empty path; otherwise the whole file or nothing.
    bool writeOutput(const QString &path, const QByteArray &bytes);
    // Atomically, after backing up a file it replaces, and read back to
    // verify: the file is replaced only by a complete, readable image.
    bool saveSettings(Settings &settings, const QString &path);

private:
    int runCommand(const Command &command, const QStringList &arguments);
    QString overview() const;

    QList<Command> m_commands;
    QTextStream m_out;
    QTextStream m_err;
};
