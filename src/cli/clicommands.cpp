#include "clicommands.h"

#include "applyreferenceorder.h"
#include "channelexport.h"
#include "diffcommand.h"
#include "favoritegroup.h"
#include "referencefile.h"
#include "referencelist.h"
#include "referencelisttext.h"
#include "settings.h"
#include "settingschecker.h"
#include "settingskelmora.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

const QCommandLineOption outputOption({ QStringLiteral("o"), QStringLiteral("output") },
    CliTool::tr("The file to write; export writes to standard output without it."), QStringLiteral("FILE"));

QString modelName(const Settings &settings)
{
    if (const auto *kelmora = qobject_cast<const SettingsKelmora *>(&settings))
        return QLatin1String(kelmora->modelLayout().modelName);
    return QLatin1String(settings.metaObject()->className());
}

void describeCapacity(QTextStream &out, const QString &what, qsizetype count, int capacity)
{
    out << "  " << qSetFieldWidth(20) << Qt::left << what << qSetFieldWidth(0) << count;
    if (capacity != SettingsCapacity::Unlimited)
        out << " / " << capacity;
    out << '\n';
}

int runInfo(CliTool &tool, const QCommandLineParser &parser)
{
    const QString path = parser.positionalArguments().at(0);
    const std::unique_ptr<Settings> settings = tool.loadSettings(path);
    if (!settings)
        return CliTool::Refused;
    const SettingsCapacity room = settings->capacity();
    QTextStream &out = tool.out();
    out << path << ": " << modelName(*settings) << '\n';
    describeCapacity(out, CliTool::tr("satellites"), settings->satellites().size(), room.satellites);
    describeCapacity(out, CliTool::tr("transponders"), settings->transponders().size(), room.transponders);
    describeCapacity(out, CliTool::tr("providers"), settings->providers().size(), room.providers);
    describeCapacity(out, CliTool::tr("channels"), settings->channels().size(), room.channels);
    describeCapacity(
        out, CliTool::tr("favourite groups"), settings->favoriteGroups().size(), room.favoriteGroups);
    for (FavoriteGroup *group : settings->favoriteGroups())
        describeCapacity(out, QStringLiteral("  ") + group->name(), settings->channelsOf(group).size(),
            room.channelsPerGroup);
    out.flush();
    return CliTool::Success;
}

const QCommandLineOption csvOption(QStringLiteral("csv"), CliTool::tr("The channel table as CSV."));
const QCommandLineOption referenceOption(
    QStringLiteral("reference"), CliTool::tr("The main list as a reference list."));

int runExport(CliTool &tool, const QCommandLineParser &parser)
{
    if (parser.isSet(csvOption) == parser.isSet(referenceOption))
        return tool.usageError(CliTool::tr("give exactly one of --csv and --reference"));
    const QString path = parser.positionalArguments().at(0);
    const std::unique_ptr<Settings> settings = tool.loadSettings(path);
    if (!settings)
        return CliTool::Refused;
    const QByteArray bytes = parser.isSet(csvOption)
        ? channelTableCsv(*settings)
        : ReferenceListText::write(ReferenceList::fromSettings(*settings));
    return tool.writeOutput(parser.value(outputOption), bytes) ? CliTool::Success : CliTool::Refused;
}

const QCommandLineOption namesOption(
    QStringLiteral("names"), CliTool::tr("Takes the reference's names for channels matched by id."));
const QCommandLineOption favoritesOption(QStringLiteral("favorites"),
    CliTool::tr("Takes the reference's favourite groups (a settings file reference only)."));
const QCommandLineOption dropOption(
    QStringLiteral("drop-unmatched"), CliTool::tr("Deletes the channels the reference does not match."));

int runApplyOrder(CliTool &tool, const QCommandLineParser &parser)
{
    const QString output = parser.value(outputOption);
    if (output.isEmpty())
        return tool.usageError(CliTool::tr("apply-order needs -o OUT"));
    const QString path = parser.positionalArguments().at(0);
    const QString referencePath = parser.positionalArguments().at(1);
    const std::unique_ptr<Settings> settings = tool.loadSettings(path);
    if (!settings)
        return CliTool::Refused;
    const ReferenceFile::Result reference = ReferenceFile::load(referencePath);
    if (!reference.ok())
        return tool.refuse(referencePath, reference.error);
    for (const ReferenceLineProblem &problem : reference.problems)
        tool.report(referencePath, CliTool::tr("line %1 skipped: %2").arg(problem.line).arg(problem.message));
    if (parser.isSet(favoritesOption) && !reference.list.hasGroups())
        tool.report(
            referencePath, CliTool::tr("a reference list has no favourite groups; --favorites ignored"));

    ApplyOrderOptions options;
    options.takeNames = parser.isSet(namesOption);
    options.takeFavorites = parser.isSet(favoritesOption);
    options.dropUnmatched = parser.isSet(dropOption);
    const ReferenceMatch match = applyReferenceOrder(*settings, reference.list, options);
    tool.report(path,
        CliTool::tr("%1 matched by id, %2 by name, %3 not at all%4")
            .arg(match.matchedById())
            .arg(match.matchedByName())
            .arg(match.unmatchedCount())
            .arg(
                options.dropUnmatched && match.unmatchedCount() > 0 ? CliTool::tr(" (deleted)") : QString()));
    return tool.saveSettings(*settings, output) ? CliTool::Success : CliTool::Refused;
}

// One problem a line, tab-separated, so that scripts can cut the fields:
// severity, kind, object, explanation.
int runCheck(CliTool &tool, const QCommandLineParser &parser)
{
    const QString path = parser.positionalArguments().at(0);
    const std::unique_ptr<Settings> settings = tool.loadSettings(path);
    if (!settings)
        return CliTool::Refused;
    bool hasErrors = false;
    const QList<FileProblem> problems = SettingsChecker::check(*settings);
    for (const FileProblem &problem : problems) {
        hasErrors |= problem.severity == FileProblem::Severity::Error;
        tool.out() << FileProblem::severityName(problem.severity) << '\t'
                   << FileProblem::kindName(problem.kind) << '\t' << FileProblem::objectText(problem.object)
                   << '\t' << problem.explanation << '\n';
    }
    tool.out().flush();
    return hasErrors ? CliTool::Refused : CliTool::Success;
}

} // namespace

QList<CliTool::Command> cliCommands()
{
    const CliTool::Argument settingsFile { QStringLiteral("FILE"), CliTool::tr("A settings file.") };
    return {
        { QStringLiteral("info"), CliTool::tr("The model and each table's count against its capacity."),
            { settingsFile }, {}, runInfo },
        { QStringLiteral("export"), CliTool::tr("The channels as CSV or as a reference list."),
            { settingsFile }, { csvOption, referenceOption, outputOption }, runExport },
        { QStringLiteral("apply-order"),
            CliTool::tr("Orders the channels like a reference and writes the result."),
            { settingsFile,
                { QStringLiteral("REFERENCE"),
                    CliTool::tr("A settings file or reference list giving the order.") } },
            { outputOption, namesOption, favoritesOption, dropOption }, runApplyOrder },
        { QStringLiteral("check"),
            CliTool::tr("Lists the file's problems; exits with 1 when any is an error."), { settingsFile },
            {}, runCheck },
        diffCommand(),
    };
}
