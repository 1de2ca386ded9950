// The game library window: the games played before (most recent first, missing folders
// shown as such), "Add game…", Play and "Remove from list". Shown when the player is started
// without a game; the state dump's "library" part tells what it shows.
#pragma once

#include <optional>
#include <string>

#include "launcher/game_library.h"

namespace sw::platform {
class Platform;
}

namespace sw::launcher {

// Shows the library until the user plays a game (its folder; the library then lists it
// first and is saved) or leaves it (nothing).
std::optional<std::string> RunLibraryWindow(platform::Platform& platform, GameLibrary& library,
                                            const std::string& code_page);

}  // namespace sw::launcher
