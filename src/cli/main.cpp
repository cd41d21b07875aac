#include "clicommands.h"
#include "clitool.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kelmora-si"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KELMORA_VERSION));
    CliTool tool;
    for (const CliTool::Command &command : cliCommands())
        tool.addCommand(command);
    return tool.run(QCoreApplication::arguments());
}
