#pragma once

#include "cli/clitool.h"

// "diff A B": what differs between two settings files, one line a
// difference, or one JSON document.
CliTool::Command diffCommand();
