#include "cli/clicommands.h"

#include "check/fileproblem.h"
#include "check/settingschecker.h"
#include "cli/diffcommand.h"
#include "model/editable.h"
#include "model/favoritegroup.h"
#include "reference/applyreferenceorder.h"
#include "reference/channelexport.h"
#include "reference/referencefile.h"
#include "reference/referencelist.h"
#include "reference/referencelisttext.h"
#include "store/capacitycheck.h"
#include "store/settings.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>

namespace {

const QCommandLineOption outputOption({ QStringLiteral("o"), QStringLiteral("output") },
    CliTool::tr("The file to write, \"-\" for standard output; export writes there without it."),
    QStringLiteral("FILE"));

void describeCapacity(QTextStream &out, const QString &what, qsizetype count, int capacity)
{
    out << "  " << qSetFieldWidth(20) << Qt::left << what << qSetFieldWidth(0) << count;
    if (capacity != SettingsCapacity::Unlimited)
        out << " / " << capacity;
    out << '\n';
}

QString jsonKeyOf(CapacityCheck::Kind kind)
{
    switch (kind) {
    case CapacityCheck::Kind::Satellites:
        return QStringLiteral("satellites");
    case CapacityCheck::Kind::Transponders:
        return QStringLiteral("transponders");
    case CapacityCheck::Kind::Providers:
        return QStringLiteral("providers");
    default:
        return QStringLiteral("channels");
    }
}

QJsonObject capacityJson(qsizetype count, int capacity)
{
    return { { QStringLiteral("count"), count },
        { QStringLiteral("capacity"),
            capacity == SettingsCapacity::Unlimited ? QJsonValue() : QJsonValue(capacity) } };
}

QJsonObject infoJson(const QString &path, const Settings &settings)
{
    QJsonObject info { { QStringLiteral("file"), path }, { QStringLiteral("model"), settings.modelName() } };
    QJsonObject favorites;
    QJsonArray groups;
    for (const CapacityCheck::Use &use : CapacityCheck::uses(settings)) {
        switch (use.kind) {
        case CapacityCheck::Kind::GroupChannels: {
            QJsonObject entry = capacityJson(use.count, use.limit);
            entry.insert(QStringLiteral("name"), use.group->name());
            groups.append(entry);
            break;
        }
        case CapacityCheck::Kind::FavoriteGroups:
            favorites = capacityJson(use.count, use.limit);
            break;
        default:
            info.insert(jsonKeyOf(use.kind), capacityJson(use.count, use.limit));
        }
    }
    favorites.insert(QStringLiteral("groups"), groups);
    info.insert(QStringLiteral("favoriteGroups"), favorites);
    return info;
}

int runInfo(CliTool &tool, const QCommandLineParser &parser)
{
    const QString path = parser.positionalArguments().at(0);
    const std::unique_ptr<Settings> settings = tool.loadSettings(path);
    if (!settings)
        return CliTool::Trouble;
    if (parser.isSet(CliTool::jsonOption())) {
        tool.writeJson(infoJson(path, *settings));
        return CliTool::Success;
    }
    QTextStream &out = tool.out();
    out << path << ": " << settings->modelName() << '\n';
    for (const CapacityCheck::Use &use : CapacityCheck::uses(*settings))
        describeCapacity(out,
            use.group ? QStringLiteral("  ") + use.group->name() : CapacityCheck::nameOf(use.kind), use.count,
            use.limit);
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
        return CliTool::Trouble;
    const QByteArray bytes = parser.isSet(csvOption)
        ? channelTableCsv(*settings)
        : ReferenceListText::write(ReferenceList::fromSettings(*settings));
    return tool.writeOutput(parser.value(outputOption), bytes) ? CliTool::Success : CliTool::Trouble;
}

const QCommandLineOption namesOption(
    QStringLiteral("names"), CliTool::tr("Takes the reference's names for channels matched by id."));
const QCommandLineOption favoritesOption(QStringLiteral("favorites"),
    CliTool::tr("Takes the reference's favorite groups (a settings file reference only)."));
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
        return CliTool::Trouble;
    const ReferenceFile::Result reference = ReferenceFile::load(referencePath);
    if (!reference.ok())
        return tool.refuse(referencePath, reference.error);
    // A settings file may replace a settings file (the saver keeps a backup),
    // but not the list it was ordered by.
    if (!reference.isSettingsFile && CliTool::sameFile(output, referencePath))
        return tool.refuse(output,
            CliTool::tr("not saved: it is the reference list, which a settings file does not replace"));
    for (const ReferenceLineProblem &problem : reference.problems)
        tool.report(referencePath, CliTool::tr("line %1 skipped: %2").arg(problem.line).arg(problem.message));
    if (parser.isSet(favoritesOption) && !reference.list.hasGroups())
        tool.report(
            referencePath, CliTool::tr("a reference list has no favorite groups; --favorites ignored"));

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
    return tool.saveSettings(*settings, output) ? CliTool::Success : CliTool::Trouble;
}

QString severityKey(FileProblem::Severity severity)
{
    switch (severity) {
    case FileProblem::Severity::Error:
        return QStringLiteral("error");
    case FileProblem::Severity::Warning:
        return QStringLiteral("warning");
    case FileProblem::Severity::Note:
        break;
    }
    return QStringLiteral("note");
}

QString kindKey(FileProblem::Kind kind)
{
    using Kind = FileProblem::Kind;
    switch (kind) {
    case Kind::DuplicateService:
        return QStringLiteral("duplicate-service");
    case Kind::ChannelWithoutTransponder:
        return QStringLiteral("channel-without-transponder");
    case Kind::ChannelWithoutProvider:
        return QStringLiteral("channel-without-provider");
    case Kind::TransponderWithoutSatellite:
        return QStringLiteral("transponder-without-satellite");
    case Kind::PidOutOfRange:
        return QStringLiteral("pid-out-of-range");
    case Kind::ServiceIdZero:
        return QStringLiteral("service-id-zero");
    case Kind::ValueOutOfRange:
        return QStringLiteral("value-out-of-range");
    case Kind::EmptyChannelName:
        return QStringLiteral("empty-channel-name");
    case Kind::SatelliteWithoutTransponders:
        return QStringLiteral("satellite-without-transponders");
    case Kind::ProviderWithoutChannels:
        return QStringLiteral("provider-without-channels");
    case Kind::TransponderWithoutChannels:
        return QStringLiteral("transponder-without-channels");
    case Kind::NameShortened:
        return QStringLiteral("name-shortened");
    case Kind::OverCapacity:
        break;
    }
    return QStringLiteral("over-capacity");
}

QJsonObject problemJson(const FileProblem &problem)
{
    QJsonValue object;
    if (problem.object)
        object = QJsonObject { { QStringLiteral("type"), Editable::typeKey(problem.object->typeCode()) },
            { QStringLiteral("text"), FileProblem::objectText(problem.object) } };
    return { { QStringLiteral("severity"), severityKey(problem.severity) },
        { QStringLiteral("kind"), kindKey(problem.kind) }, { QStringLiteral("object"), object },
        { QStringLiteral("explanation"), problem.explanation } };
}

// As text one problem a line, tab-separated, so that scripts can cut the
// fields: severity, kind, object, explanation.
int runCheck(CliTool &tool, const QCommandLineParser &parser)
{
    const QString path = parser.positionalArguments().at(0);
    const std::unique_ptr<Settings> settings = tool.loadSettings(path);
    if (!settings)
        return CliTool::Trouble;
    int errors = 0;
    QJsonArray list;
    const QList<FileProblem> problems = SettingsChecker::check(*settings);
    for (const FileProblem &problem : problems) {
        errors += problem.severity == FileProblem::Severity::Error ? 1 : 0;
        if (parser.isSet(CliTool::jsonOption()))
            list.append(problemJson(problem));
        else
            tool.out() << FileProblem::severityName(problem.severity) << '\t'
                       << FileProblem::kindName(problem.kind) << '\t'
                       << FileProblem::objectText(problem.object) << '\t' << problem.explanation << '\n';
    }
    if (parser.isSet(CliTool::jsonOption()))
        tool.writeJson({ { QStringLiteral("file"), path }, { QStringLiteral("errors"), errors },
            { QStringLiteral("problems"), list } });
    return errors > 0 ? CliTool::ProblemsFound : CliTool::Success;
}

} // namespace

QList<CliTool::Command> cliCommands()
{
    const CliTool::Argument settingsFile { QStringLiteral("FILE"),
        CliTool::tr("A settings file, \"-\" for standard input.") };
    return {
        { QStringLiteral("info"), CliTool::tr("The model and each table's count against its capacity."),
            { settingsFile }, { CliTool::jsonOption() }, runInfo },
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
            { CliTool::jsonOption() }, runCheck },
        diffCommand(),
    };
}
