// A headless game with the interaction subsystem and the real script host, started at its
// first frame: what the script-host benchmarks click on.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "core/game/game_runtime.h"
#include "core/game/startup.h"
#include "interaction/install.h"
#include "interaction/interaction.h"
#include "platform/platform.h"
#include "scripting/host/game_script_host.h"
#include "scripting/host/timed_events.h"

namespace sw::bench {

struct ScriptedGame {
  explicit ScriptedGame(const std::filesystem::path& root) : root_(root) {
    runtime.subsystems().scripts = std::make_unique<GameScriptHost>(runtime);
    runtime.subsystems().timedEvents = std::make_unique<TimedEvents>(runtime);
  }

  // Starts the game in <root>/game; true when it stands in `frame`.
  bool StartsIn(const std::string& frame) {
    Startup startup(runtime, (root_ / "game").string());
    return startup.WelcomeLoad() && runtime.CurrentFrameName == frame;
  }
  // The first message shown (a script failure, in these games), or "".
  std::string FirstMessage() {
    const auto& messages = platform.messages().records();
    return messages.empty() ? std::string() : messages.front().text;
  }
  const Variant& Variable(int index) {
    return interaction->variables().VariablesVariant.At(index).Value();
  }

  std::filesystem::path root_;
  platform::Platform platform;
  PathResolver files;
  UserSettings settings{root_ / "settings.ini"};
  GameRuntime runtime{platform, files, settings};
  std::shared_ptr<Interaction> interaction = InstallInteraction(runtime);
};

}  // namespace sw::bench
