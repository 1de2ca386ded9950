// scenewright --check DIR: checks a game folder without a window and prints the findings.
#pragma once

#include <ostream>

#include "app/command_line.h"

namespace sw::app {

// Prints one line per finding on `out`; 0 when nothing is wrong (warnings allowed), 1 when
// something is, kUsageExit for an unknown code page.
int RunCheck(const PlayerOptions& options, std::ostream& out, std::ostream& err);

}  // namespace sw::app
