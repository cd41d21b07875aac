#pragma once

#include <QCommandLineOption>
#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <QTextStream>

#include <functional>
#include <memory>

class QCommandLineParser;
class Settings;

// The command-line tool: picks the subcommand from the first argument and
// runs it. Every subcommand is one function that gets its own parser and
// the tool for loading, writing and reporting. "-" names standard input
// for a file to read and standard output for one to write.
class QJsonObject;

class CliTool
{
    Q_DECLARE_TR_FUNCTIONS(CliTool)

public:
    // What scripts may rely on: 1 only for what a command found in good
    // files, 2 for anything that kept it from looking.
    enum ExitStatus { Success = 0, ProblemsFound = 1, Trouble = 2 };

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

    // Report on standard error as "kelmora-si: FILE: message"; refuse and
    // usageError return the status for trouble.
    int refuse(const QString &file, const QString &message);
    int usageError(const QString &message);
    void report(const QString &file, const QString &message);
    // Standard output; a failed write shows when the command ends.
    QTextStream &out() { return m_out; }
    // "--json", and the one way every command writes it.
    static const QCommandLineOption &jsonOption();
    void writeJson(const QJsonObject &object);

    // Null after reporting why the file was refused.
    std::unique_ptr<Settings> loadSettings(const QString &path);
    // Standard output for "-" or an empty path; otherwise the whole file or
    // nothing, and never over a device, a pipe or a settings file.
    bool writeOutput(const QString &path, const QByteArray &bytes);
    // Atomically, after backing up a file it replaces, and read back to
    // verify: the file is replaced only by a complete, readable image.
    bool saveSettings(Settings &settings, const QString &path);

    static bool isStandardStream(const QString &path) { return path == QLatin1String("-"); }
    // Whether two names lead to one file, through links of either kind.
    static bool sameFile(const QString &first, const QString &second);

private:
    int runCommand(const Command &command, const QStringList &arguments);
    int finish(int status);
    QString overview() const;
    static QString displayName(const QString &path);

    QList<Command> m_commands;
    QFile m_stdout;
    QTextStream m_out;
    QTextStream m_err;
};
