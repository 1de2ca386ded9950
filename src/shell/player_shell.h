// The player's shell as the program starts it: creates the game runtime for a project
// folder, installs the welcome window and the game window's frame into it, and runs the
// start-up that leads to the welcome window or, for games that skip it, to the game.
#pragma once

#include <memory>
#include <string>

#include "core/game/game_runtime.h"
#include "shell/game_shell.h"
#include "shell/shell_hooks.h"
#include "shell/welcome_window.h"

namespace sw::shell {

// Where the logo of the welcome window leads.
inline constexpr const char* kDefaultProductSite = "https://scenewright.example/";

struct ShellOptions {
  // The desktop in pixels; 0 keeps the runtime's default (1024 x 768).
  int desktop_width = 0;
  int desktop_height = 0;
  std::string product_site = kDefaultProductSite;
};

class PlayerShell {
 public:
  PlayerShell(platform::Platform& platform, PathResolver& files, UserSettings& settings,
              std::string projectFolder, ShellOptions options = {});
  ~PlayerShell();
  PlayerShell(const PlayerShell&) = delete;
  PlayerShell& operator=(const PlayerShell&) = delete;

  // The runtime, for installing the other subsystems before Start.
  GameRuntime& runtime() { return runtime_; }
  // Commands carried out elsewhere (saved games, debug commands); set them before Start.
  ShellHooks& hooks() { return hooks_; }
  WelcomeWindow& welcome() { return *welcome_; }
  GameShell& game_shell() { return *shell_; }

  // Runs the welcome window's load handler and shows the welcome window, or the game when
  // the project starts at once. False when the program has to end now: the project could
  // not be used, the user declined to go on, or the game could not be started.
  bool Start();

  // Button 0 of the welcome window: a new game in a fresh game window.
  void StartNewGame();
  // Button 1: the load dialog.
  void LoadGame();

 private:
  // Unloads a game window whose first frame could not be opened.
  void LeaveGameWithoutFrame();

  ShellHooks hooks_;
  std::string projectFolder_;
  GameRuntime runtime_;
  WelcomeWindow* welcome_ = nullptr;
  GameShell* shell_ = nullptr;
};

}  // namespace sw::shell
