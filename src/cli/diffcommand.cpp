#include "cli/diffcommand.h"

#include "model/editable.h"

#include "compare/settingscomparison.h"
#include "store/settings.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonObject>

namespace {

QJsonObject toJson(const Difference &difference)
{
    QJsonArray changes;
    for (const FieldChange &change : difference.changes)
        changes.append(QJsonObject { { QStringLiteral("field"), change.field },
            { QStringLiteral("a"), change.here }, { QStringLiteral("b"), change.there } });
    return QJsonObject { { QStringLiteral("kind"), Difference::kindKey(difference.kind) },
        { QStringLiteral("type"), Editable::typeKey(difference.type) },
        { QStringLiteral("name"), difference.label }, { QStringLiteral("changes"), changes } };
}

QJsonObject comparisonJson(const SettingsComparison &comparison)
{
    QJsonArray differences;
    for (const Difference &difference : comparison.differences())
        differences.append(toJson(difference));
    QJsonObject counts;
    for (int kind = 0; kind < Difference::KindCount; ++kind)
        counts.insert(Difference::kindKey(Difference::Kind(kind)), comparison.count(Difference::Kind(kind)));
    return { { QStringLiteral("same"), comparison.isEmpty() }, { QStringLiteral("counts"), counts },
        { QStringLiteral("differences"), differences } };
}

// Tab-separated, so that scripts can cut the fields: kind, object type,
// name, and what changed as "field: A -> B" joined by "; ".
void writeLines(QTextStream &out, const SettingsComparison &comparison)
{
    for (const Difference &difference : comparison.differences())
        out << Difference::kindKey(difference.kind) << '\t' << Editable::typeKey(difference.type) << '\t'
            << difference.label << '\t' << difference.changesText() << '\n';
}

int runDiff(CliTool &tool, const QCommandLineParser &parser)
{
    // Trouble with either file is told apart from a difference by its status.
    const std::unique_ptr<Settings> a = tool.loadSettings(parser.positionalArguments().at(0));
    if (!a)
        return CliTool::Trouble;
    const std::unique_ptr<Settings> b = tool.loadSettings(parser.positionalArguments().at(1));
    if (!b)
        return CliTool::Trouble;
    const SettingsComparison comparison(*a, *b);
    if (parser.isSet(CliTool::jsonOption()))
        tool.writeJson(comparisonJson(comparison));
    else
        writeLines(tool.out(), comparison);
    tool.out().flush();
    return comparison.isEmpty() ? CliTool::Success : CliTool::ProblemsFound;
}

} // namespace

CliTool::Command diffCommand()
{
    return { QStringLiteral("diff"),
        CliTool::tr("Lists what differs from A to B; exits with 1 when anything does, 2 on trouble."),
        { { QStringLiteral("A"), CliTool::tr("A settings file.") },
            { QStringLiteral("B"), CliTool::tr("The settings file to compare it with.") } },
        { CliTool::jsonOption() }, runDiff };
}
