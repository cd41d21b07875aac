#include "cli/clicommands.h"
#include "cli/clitool.h"
#include "i18n/applicationtranslator.h"

#include <QCoreApplication>
#include <QLocale>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kelmora-si"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KELMORA_VERSION));
    // Messages follow the user's language; the data is written as it is.
    ApplicationTranslator translator;
    translator.install(QLocale());
    CliTool tool;
    for (const CliTool::Command &command : cliCommands())
        tool.addCommand(command);
    return tool.run(QCoreApplication::arguments());
}
