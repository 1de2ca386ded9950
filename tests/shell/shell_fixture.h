// A headless player with the shell installed around a fixture project: dialogs are answered
// from a queue of button captions (Enter when the queue is empty), links and the commands of
// later parts are recorded instead of carried out.
#pragma once

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "authoring/project_writer.h"
#include "core/game/game_window.h"
#include "platform/button.h"
#include "platform/menu_tracker.h"
#include "platform/platform.h"
#include "shell/player_shell.h"
#include "test_support/temp_dir.h"

namespace sw::shell::testing {

class DialogAnswers : public platform::InputSource {
 public:
  void Queue(std::string caption) { answers_.push_back(std::move(caption)); }

  bool Poll(platform::Platform& platform) override {
    platform::Form* dialog = platform.desktop().top_modal();
    if (dialog == nullptr) return false;
    std::string wanted;
    if (!answers_.empty()) {
      wanted = answers_.front();
      answers_.pop_front();
    }
    for (const auto& element : dialog->elements()) {
      if (element->kind() != platform::ElementKind::kButton) continue;
      auto& button = static_cast<platform::ButtonElement&>(*element);
      if (wanted.empty() ? button.is_default() : button.PlainCaption() == wanted) {
        button.Press();
        return true;
      }
    }
    dialog->EndModal(0);  // no such button: the test will see the dialog's cancel answer
    return true;
  }

 private:
  std::deque<std::string> answers_;
};

constexpr uint32_t kFrameRed = 0xC81E1E;  // 0xRRGGBB

struct ShellGame {
  // The game's code page (the player's --codepage).
  explicit ShellGame(std::string page = "WINDOWS-1252")
      : codePage(std::move(page)), files(codePage) {
    Init();
  }

  std::string codePage;
  TempDir dir;
  platform::Platform platform{platform::PlatformOptions{}};
  PathResolver files;
  UserSettings settings{dir.path() / "settings.ini"};
  DialogAnswers answers;
  ProjectInfo info;
  int desktopWidth = 1024;
  int desktopHeight = 768;
  std::vector<std::string> links;
  int saves = 0;
  int loads = 0;
  std::unique_ptr<PlayerShell> player;

  void Init() {
    platform.events().SetInputSource(&answers);
    info.SettingsSection = "ShellTest";
    info.Title = "Lantern Hill";
    info.StartFrame = "Hall";
    info.FrameWidth = 320;
    info.FrameHeight = 200;
    ProjectWriter w = writer();
    FrameFile hall;
    hall.FrameBackground = std::to_string(0x1E1EC8);  // kFrameRed in the game's colour order
    w.WriteFrame("Hall", hall);
    FrameFile cellar;
    cellar.FrameBackground = "0";
    w.WriteFrame("Cellar", cellar);
  }
  ~ShellGame() {
    player.reset();
    platform.events().SetInputSource(nullptr);
  }

  std::filesystem::path project() const { return dir.path() / "game"; }
  ProjectWriter writer() const { return ProjectWriter(project(), codePage); }

  // Writes "General" from `info`, builds the shell and runs start-up.
  bool Start() {
    writer().WriteGeneral(info);
    ShellOptions options;
    options.desktop_width = desktopWidth;
    options.desktop_height = desktopHeight;
    player = std::make_unique<PlayerShell>(platform, files, settings, project().string(), options);
    ShellHooks& hooks = player->hooks();
    hooks.open_link = [this](const std::string& link) { links.push_back(link); };
    hooks.save_game = [this] { ++saves; };
    hooks.load_game = [this] { ++loads; };
    return player->Start();
  }

  GameRuntime& runtime() { return player->runtime(); }
  WelcomeWindow& welcome() { return player->welcome(); }
  GameWindow* game() { return runtime().game(); }
  platform::MenuItem& Menu(const std::string& name, int index = -1) {
    return game()->form().menu().Get(name, index);
  }
  bool MenusVisible() { return Menu("mnuExit").visible(); }
  bool quit() { return platform.events().quit_requested(); }
  const std::vector<platform::MessageRecord>& messages() { return platform.messages().records(); }

  void Key(int code, int shift = 0) {
    platform::InputEvent e;
    e.kind = platform::InputEvent::Kind::kKeyDown;
    e.key_code = code;
    e.shift = shift;
    platform.events().Post(e);
    e.kind = platform::InputEvent::Kind::kKeyUp;
    platform.events().Post(e);
    platform.DoEvents();
  }
  void Keys(std::initializer_list<int> codes) {
    for (int code : codes) Key(code);
  }
  // A press and release at a point of the window's surface.
  void ClickAt(platform::Point p, int button = platform::kLeftButton) {
    platform::InputEvent e;
    e.kind = platform::InputEvent::Kind::kMouseMove;
    e.position = p;
    platform.events().Post(e);
    e.kind = platform::InputEvent::Kind::kMouseDown;
    e.button = button;
    platform.events().Post(e);
    e.kind = platform::InputEvent::Kind::kMouseUp;
    platform.events().Post(e);
    platform.DoEvents();
  }
  void Click(const platform::Element& element, int button = platform::kLeftButton) {
    platform::Rect r = element.surface_rect_px();
    ClickAt({r.x + r.w / 2, r.y + r.h / 2}, button);
  }
  // Lets `ms` milliseconds of virtual time pass, one event-loop pass per 10 ms.
  void Wait(int ms) {
    for (int t = 0; t < ms; t += 10) {
      platform.virtual_clock()->Advance(10);
      platform.DoEvents();
    }
  }
};

}  // namespace sw::shell::testing
