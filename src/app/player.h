// The seam between the program's set-up and the game: given the platform, the project folder
// and the options, it builds the game runtime with every subsystem and starts the player's
// first window (the welcome window, or the game itself for games that skip it).
#pragma once

#include <memory>
#include <string>

#include "app/command_line.h"
#include "platform/platform.h"
#include "platform/system/path_resolver.h"
#include "platform/system/user_settings.h"

namespace sw {
class Interaction;
class SavedGames;
}  // namespace sw

namespace sw::effects {
class Effects;
}

namespace sw::shell {
class PlayerShell;
}

namespace sw::app {

class Player {
 public:
  // Throws std::invalid_argument for a code page iconv does not know.
  Player(platform::Platform& platform, const PlayerOptions& options);
  ~Player();

  // Opens the first window; the event loop runs after this returns. Returns the exit status
  // to end with at once (kUsageExit with `reason` set when the folder holds no game, 0 when
  // the user chose to end), or -1 when the player runs.
  int Start(std::string& reason);

 private:
  platform::Platform& platform_;
  PlayerOptions options_;
  PathResolver files_;
  UserSettings settings_;
  std::unique_ptr<shell::PlayerShell> shell_;
  std::shared_ptr<Interaction> interaction_;
  std::shared_ptr<effects::Effects> effects_;
  std::shared_ptr<SavedGames> savedGames_;
};

}  // namespace sw::app
