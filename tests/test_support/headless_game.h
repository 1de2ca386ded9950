// A headless player around a fixture project: platform, resolver, settings and the game
// runtime, with every dialog answered by Enter (its default button) so tests never block.
#pragma once

#include <memory>

#include "core/game/game_runtime.h"
#include "core/game/game_window.h"
#include "core/game/startup.h"
#include "platform/platform.h"
#include "test_support/temp_dir.h"

namespace sw {

class AnswerDialogsWithEnter : public platform::InputSource {
 public:
  bool Poll(platform::Platform& platform) override {
    if (platform.desktop().top_modal() == nullptr) return false;
    platform::InputEvent press;
    press.kind = platform::InputEvent::Kind::kKeyDown;
    press.key_code = platform::keys::kReturn;
    platform.events().Post(press);
    press.kind = platform::InputEvent::Kind::kKeyUp;
    platform.events().Post(press);
    return true;
  }
};

struct HeadlessGame {
  TempDir dir;
  platform::Platform platform{platform::PlatformOptions{}};
  PathResolver files;
  UserSettings settings{dir.path() / "settings.ini"};
  AnswerDialogsWithEnter answers;
  GameRuntime runtime{platform, files, settings};

  HeadlessGame() { platform.events().SetInputSource(&answers); }
  ~HeadlessGame() { platform.events().SetInputSource(nullptr); }

  std::filesystem::path project() const { return dir.path() / "game"; }

  // Runs start-up on the project as the program does.
  bool Start() { return Startup(runtime, project().string()).WelcomeLoad(); }

  // Lets `ms` milliseconds of virtual time pass, one event-loop pass per 10 ms.
  void Wait(int ms) {
    for (int t = 0; t < ms; t += 10) {
      platform.virtual_clock()->Advance(10);
      platform.DoEvents();
    }
  }

  const std::vector<platform::MessageRecord>& messages() { return platform.messages().records(); }
};

}  // namespace sw
