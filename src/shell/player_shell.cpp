#include "shell/player_shell.h"

#include "core/game/game_window.h"
#include "core/game/startup.h"
#include "platform/platform.h"

namespace sw::shell {

PlayerShell::PlayerShell(platform::Platform& platform, PathResolver& files, UserSettings& settings,
                         std::string projectFolder, ShellOptions options)
    : projectFolder_(std::move(projectFolder)), runtime_(platform, files, settings) {
  if (options.desktop_width > 0 && options.desktop_height > 0) {
    runtime_.ScreenWidthPixels = options.desktop_width;
    runtime_.ScreenHeightPixels = options.desktop_height;
  }
  WelcomeActions actions;
  actions.start_new_game = [this] { StartNewGame(); };
  actions.load_game = [this] { LoadGame(); };
  auto welcome =
      std::make_unique<WelcomeWindow>(runtime_, hooks_, std::move(actions), options.product_site);
  auto shell = std::make_unique<GameShell>(runtime_, hooks_, *welcome);
  welcome_ = welcome.get();
  shell_ = shell.get();
  runtime_.subsystems().welcome = std::move(welcome);
  runtime_.subsystems().shell = std::move(shell);
}

PlayerShell::~PlayerShell() = default;

bool PlayerShell::Start() {
  platform::Platform& platform = runtime_.platform();
  if (!Startup(runtime_, projectFolder_).WelcomeLoad()) {
    welcome_->Unload();
    return false;
  }
  if (runtime_.info.StartAtOnce) {
    LeaveGameWithoutFrame();
    // The game is the only window; when it could not be shown there is nothing to run.
    if (platform.desktop().base_form() != nullptr) return true;
    welcome_->Unload();
    return false;
  }
  welcome_->Show();
  return true;
}

void PlayerShell::StartNewGame() {
  shell_->ReleaseUnloadedGame();
  Startup(runtime_, projectFolder_).StartNewGameFromWelcome();
  LeaveGameWithoutFrame();
  if (runtime_.platform().desktop().base_form() == nullptr) {
    // The game failed after the welcome window was hidden: offer it again.
    if (GameWindow* game = runtime_.game()) game->form().Close();
    welcome_->Show();
  }
}

void PlayerShell::LeaveGameWithoutFrame() {
  // Without its first frame the game window shows nothing and offers no way on: after the
  // messages it is unloaded as the Exit command would (back to the welcome window, or the
  // end of a game that starts at once).
  GameWindow* game = runtime_.game();
  if (game == nullptr || !game->form().visible() || !runtime_.FramesHistory.names().empty()) return;
  shell_->UnloadNow();
}

void PlayerShell::LoadGame() {
  shell_->ReleaseUnloadedGame();
  Run(hooks_.load_game);
}

}  // namespace sw::shell
