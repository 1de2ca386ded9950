#include "shell/game_shell.h"

#include <ctime>
#include <nlohmann/json.hpp>

#include "core/game/game_runtime.h"
#include "core/game/game_window.h"
#include "platform/menu_dump.h"
#include "platform/platform.h"
#include "shell/screenshot_files.h"
#include "shell/welcome_window.h"

namespace sw::shell {

namespace {
constexpr int kScreenshotKey = platform::keys::kF1 + 11;  // F12
}  // namespace

GameShell::GameShell(GameRuntime& runtime, const ShellHooks& hooks, WelcomeWindow& welcome)
    : runtime_(runtime), hooks_(hooks), welcome_(welcome), modes_(runtime) {}

GameShell::~GameShell() = default;

platform::MenuBar* GameShell::Menus() {
  GameWindow* game = runtime_.game();
  if (!game) return nullptr;
  Attach();
  return &game->form().menu();
}

void GameShell::Attach() {
  GameWindow* game = runtime_.game();
  if (!game) return;
  std::shared_ptr<platform::Form> form = game->form().shared_from_this();
  if (attached_.lock() == form) return;
  attached_ = form;
  debugKeys_ = {};

  form->on.key_down = [this](platform::Form&, platform::KeyArgs& args) { OnKeyDown(args); };
  form->on.close = [this](platform::Form&) { CloseBox(); };
  form->on.quit = [this](platform::Form&) { CloseProgram(); };
  auto mouseDown = [this](platform::Element&, const platform::MouseArgs& args) {
    MouseDownOnWindow(args.button);
  };
  form->client().on.mouse_down = mouseDown;
  game->PictureBox.on.mouse_down = mouseDown;
  // The frame's background picture behaves like the window's background until the frame
  // interaction gives it its own handler.
  if (!game->BackImage.on.mouse_down) game->BackImage.on.mouse_down = mouseDown;
  game->TimerUnloadMe.on.timer = [this](platform::Element&) { UnloadGameWindow(); };
  AttachMenus(*form);
  menuDump_ = platform::RegisterMenuDump(runtime_.platform().state(), form, "mnuExit", "mnuDebug");
  notice_ = std::make_unique<ScreenshotNotice>(*game);
  noticeDump_ = runtime_.platform().state().Add([this](nlohmann::json& j) {
    j["notice"] = {{"visible", notice_->visible()}, {"text", notice_->text()}};
    // The pointer shape where the pointer is: its kind's number (99 a picture of the game's,
    // 0 the usual arrow) and the picture's size.
    const platform::PointerShape pointer = runtime_.platform().desktop().CurrentPointer();
    j["pointer"] = {{"kind", static_cast<int>(pointer.kind)},
                    {"width", pointer.icon.empty() ? 0 : pointer.icon.width()},
                    {"height", pointer.icon.empty() ? 0 : pointer.icon.height()}};
  });
}

void GameShell::SaveScreenshot() {
  if (!runtime_.game()) return;
  Attach();
  namespace fs = std::filesystem;
  const std::time_t now = std::time(nullptr);
  const std::tm local = *std::localtime(&now);
  // The picture shows the game only, not the notice of an earlier press.
  notice_->Hide();
  fs::path folder;
  std::string text;
  try {
    folder = ScreenshotFolder(ProcessEnvironment);
    std::error_code ec;
    fs::create_directories(folder, ec);
    const fs::path file =
        UnusedPath(folder, ScreenshotFileName(runtime_.ForDisplay(runtime_.info.Title), local));
    runtime_.platform().SaveScreenshot(file);
    text = "Screenshot saved: " + file.filename().string();
  } catch (const std::exception&) {
    text = "The screenshot could not be saved in " + folder.string();
  }
  notice_->Show(text);
}

void GameShell::PlaceWindow() {
  GameWindow* game = runtime_.game();
  if (!game) return;
  Attach();
  platform::Platform& platform = runtime_.platform();
  const std::string title = runtime_.ForDisplay(runtime_.info.Title);
  platform.display().SetTitle(title.empty() ? "Scenewright" : title);
  if (!placed_) {
    fullscreenBeforeGame_ = platform.fullscreen();
    placed_ = true;
  }
  // A full-screen game fills the screen; a game in a window goes full screen too when the
  // player took on the project's screen size, which is then scaled to the real screen.
  platform.SetFullscreen(!runtime_.info.RunInWindow || modes_.changed());
}

void GameShell::ChangeToProjectResolution(int type) {
  if (!modes_.ChangeToProjectResolution(type)) return;
  // The mode changes at once: there is no monitor to settle, only pending events to run.
  runtime_.platform().DoEvents();
  if (GameWindow* game = runtime_.game()) game->CenterWindowAndPictureBox();
}

void GameShell::MouseDownOnWindow(int button) {
  runtime_.InterruptMovie();
  if (runtime_.IsMoviePlaying()) return;
  MenusOnMouseDown(button);
}

void GameShell::MenusOnMouseDown(int button) {
  platform::MenuBar* menus = Menus();
  if (!menus) return;
  if (button != platform::kRightButton) {
    HideMenus();
  } else if (!menus->Get("mnuExit").visible()) {
    ShowMenus();
  } else if (!runtime_.MenuJustOpened) {
    HideMenus();
  }
}

void GameShell::OnKeyDown(platform::KeyArgs& args) {
  platform::MenuBar* menus = Menus();
  if (!menus) return;
  const int key = args.key_code;
  if (key == platform::keys::kReturn && args.shift == platform::kAltMask) {
    args.key_code = 0;
    runtime_.platform().SetFullscreen(!runtime_.platform().fullscreen());
    return;
  }
  if (key == kScreenshotKey && args.shift == 0) {
    args.key_code = 0;  // the player's key: the game does not see it
    SaveScreenshot();
    return;
  }
  if (key == platform::keys::kEscape) {
    if (!runtime_.IsMoviePlaying() && !runtime_.subsystems().transitions->TransitionRunning()) {
      if (menus->Get("mnuExit").visible()) {
        HideMenus();
      } else {
        ShowMenus();
      }
    }
    runtime_.InterruptMovie();
  }
  if (args.shift == platform::kCtrlMask) {
    if (key == 'L') {
      if (!runtime_.info.HideLoad) Run(hooks_.load_game);
    } else if (key == 'S') {
      if (!runtime_.info.HideSave) Run(hooks_.save_game);
    } else if (key == 'Q') {
      Quit();
    }
  }
  if (debugKeys_.Press(key)) {
    if (platform::MenuBar* bar = Menus()) bar->Get("mnuDebug").SetVisible(true);
  }
}

}  // namespace sw::shell
