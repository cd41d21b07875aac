#pragma once

#include "cli/clitool.h"

// The subcommands of the command-line tool, in the order its help lists them.
QList<CliTool::Command> cliCommands();
