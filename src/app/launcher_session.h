// The player started without a game: the game library window, and each game played from it,
// until the user leaves the library.
#pragma once

#include "app/command_line.h"
#include "platform/platform.h"

namespace sw::automation {
class ScriptRunner;
}

namespace sw::app {

// True when the player should open the game library: no game was named, none lies beside
// the executable, and someone (a person at a window, or a script) can choose one.
bool WantsLibrary(const PlayerOptions& options);

// Runs the library and the games played from it; the program's exit status. A game's end
// returns to the library, unless the automation script has ended or failed.
int RunLibrarySession(platform::Platform& platform, const PlayerOptions& options,
                      const automation::ScriptRunner* runner);

}  // namespace sw::app
