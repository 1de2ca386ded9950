// Quitting the game: the question, the delayed unloading of the game window, and the way
// back to the welcome window or out of the program.
#include "core/game/game_runtime.h"
#include "core/game/game_window.h"
#include "core/game/step_errors.h"
#include "platform/platform.h"
#include "shell/game_shell.h"
#include "shell/welcome_window.h"

namespace sw::shell {

namespace {
constexpr int kUnloadDelayMs = 100;
}  // namespace

void GameShell::Quit() {
  platform::MessageStyle style;
  style.buttons = platform::MessageButtons::kYesNo;
  style.icon = platform::MessageIcon::kQuestion;
  if (runtime_.ShowMessage(runtime_.texts[10], runtime_.info.Title, style) ==
      platform::MessageResult::kYes)
    StartUnloading();
}

void GameShell::StartUnloading() {
  runtime_.InterruptMovie();
  GameWindow* game = runtime_.game();
  if (!game) return;
  Attach();
  game->TimerRipplingWater.SetEnabled(false);
  // The delay lets the event that asked for the quit finish before the window goes away.
  game->TimerUnloadMe.SetInterval(kUnloadDelayMs);
  game->TimerUnloadMe.SetEnabled(true);
}

void GameShell::UnloadGameWindow() {
  GameWindow* game = runtime_.game();
  if (!game) return;
  game->TimerUnloadMe.SetEnabled(false);  // first, so that a second quit unloads nothing
  platform::Platform& platform = runtime_.platform();
  game->form().Hide();
  platform.DoEvents();
  game = runtime_.game();
  if (!game) return;
  game->StopAllActivity();

  // From here on every step is tried, so that the way back is always reached.
  StepRunner steps;
  steps.Run([&] { runtime_.subsystems().animations->UnloadAnimations(); });
  steps.Run([&] { game->form().Close(); });
  steps.Run([&] { platform.desktop().SetFrameElement(nullptr); });
  menuDump_.Reset();
  steps.Run([&] { modes_.RestoreDisplayMode(); });
  steps.Run([&] { platform.SetFullscreen(fullscreenBeforeGame_); });
  placed_ = false;
  unloadedGamePending_ = true;
  ++unloadCount_;

  if (runtime_.info.StartAtOnce) {
    welcome_.Unload();
  } else {
    platform.DoEvents();
    welcome_.Show();
  }
}

void GameShell::CloseProgram() {
  runtime_.InterruptMovie();
  if (GameWindow* game = runtime_.game()) {
    StepRunner steps;
    steps.Run([&] { game->StopAllActivity(); });
    steps.Run([&] { game->form().Close(); });
  }
  modes_.RestoreDisplayMode();
  welcome_.Unload();
}

void GameShell::ReleaseUnloadedGame() {
  if (!unloadedGamePending_) return;
  unloadedGamePending_ = false;
  if (GameWindow* game = runtime_.game(); game && game->form().closed())
    runtime_.UnloadGameWindow();
}

}  // namespace sw::shell
