// The frame around the game: the game window's menu bar and its commands, the keys and mouse
// presses that show and hide it, quitting, the orderly unloading back to the welcome window,
// and how the window is shown on the display.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/game/subsystems.h"
#include "platform/form.h"
#include "platform/state_dump.h"
#include "shell/debug_keys.h"
#include "shell/display_mode.h"
#include "shell/screenshot_notice.h"
#include "shell/shell_hooks.h"

namespace sw {
class GameRuntime;
class GameWindow;
}  // namespace sw

namespace sw::shell {

class WelcomeWindow;

class GameShell final : public ShellService {
 public:
  GameShell(GameRuntime& runtime, const ShellHooks& hooks, WelcomeWindow& welcome);
  ~GameShell() override;
  GameShell(const GameShell&) = delete;
  GameShell& operator=(const GameShell&) = delete;

  // --- ShellService ----------------------------------------------------------------------
  void PlaceWindow() override;
  void ShowMenus() override;
  void HideMenus() override;
  void MenusOnMouseDown(int button) override;
  void StartUnloading() override;
  void FillFrameMenu(const std::vector<std::string>& frames) override;
  void ChangeToProjectResolution(int type) override;

  // The Exit command (menu, Ctrl+Q, scripts): asks, then unloads the game window.
  void Quit();
  // The game window's close box (and Alt+F4): the Exit command, question included.
  void CloseBox();
  // The program is asked to end (interrupt signal, the automation's quit): ends it after
  // stopping the game, without a question.
  void CloseProgram();
  // Unloads the game window at once, through the same steps as the Exit command.
  void UnloadNow() { UnloadGameWindow(); }
  // Frees the game window left behind by the last unloading. Call it only from the welcome
  // window's own events (no game code can be running then).
  void ReleaseUnloadedGame();
  // The screenshot key: saves the game window's picture among the user's pictures and says
  // where in the banner area.
  void SaveScreenshot();
  // How many times the game window has been unloaded.
  int unload_count() const { return unloadCount_; }
  DisplayModes& display_modes() { return modes_; }

 private:
  // Binds the handlers to the game window now loaded (once per window).
  void Attach();
  void AttachMenus(platform::Form& form);
  void OnKeyDown(platform::KeyArgs& args);
  void MouseDownOnWindow(int button);
  void UnloadGameWindow();
  void ToggleOption(const char* item, const char* settingKey);
  void SetMenusJustOpened();
  platform::MenuBar* Menus();

  GameRuntime& runtime_;
  const ShellHooks& hooks_;
  WelcomeWindow& welcome_;
  DisplayModes modes_;
  DebugKeySequence debugKeys_;
  std::weak_ptr<platform::Form> attached_;
  platform::StateDump::Registration menuDump_;
  std::unique_ptr<ScreenshotNotice> notice_;
  platform::StateDump::Registration noticeDump_;
  bool placed_ = false;
  bool fullscreenBeforeGame_ = false;
  bool unloadedGamePending_ = false;
  int unloadCount_ = 0;
};

}  // namespace sw::shell
