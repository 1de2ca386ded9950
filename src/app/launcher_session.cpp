#include "app/launcher_session.h"

#include <iostream>

#include "app/player.h"
#include "automation/script_runner.h"
#include "launcher/game_library.h"
#include "launcher/library_window.h"

namespace sw::app {

bool WantsLibrary(const PlayerOptions& options) {
  if (options.project_named || launcher::IsGameFolder(options.project_dir)) return false;
  return !options.headless || !options.script.empty();
}

int RunLibrarySession(platform::Platform& platform, const PlayerOptions& options,
                      const automation::ScriptRunner* runner) {
  platform::EventLoop& loop = platform.events();
  launcher::GameLibrary library(launcher::GameLibrary::DefaultFile());
  library.Load();
  for (;;) {
    const std::optional<std::string> folder =
        launcher::RunLibraryWindow(platform, library, options.codepage);
    if (loop.quit_requested()) return loop.exit_code();
    if (!folder) return 0;
    PlayerOptions game = options;
    game.project_dir = *folder;
    game.project_named = true;
    {
      Player player(platform, game);
      std::string reason;
      const int early = player.Start(reason);
      if (early >= 0) {
        if (!reason.empty()) std::cerr << "scenewright: " << reason << '\n';
      } else {
        loop.Run();
      }
    }
    // An interrupt or the script's quit ends the program; so does the end of the script.
    const bool scriptOver = runner != nullptr && (runner->finished() || runner->failure());
    if (loop.exit_code() != 0 || scriptOver || platform.desktop().quit_event_seen()) {
      return loop.exit_code();
    }
    loop.ResetQuit();  // the game has ended: back to the library
  }
}

}  // namespace sw::app
