// scenewright: parses the command line, sets up the platform (window or headless), loads
// the automation script, starts the player and runs the event loop until the program ends.
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>

#include "app/check_command.h"
#include "app/command_line.h"
#include "app/launcher_session.h"
#include "app/player.h"
#include "automation/script.h"
#include "automation/script_runner.h"
#include "locale/vb_locale.h"
#include "platform/platform.h"

namespace {

using sw::automation::Command;
using sw::automation::ScriptError;

// Reads and checks the whole script before anything starts; nullopt after reporting.
std::optional<std::vector<Command>> LoadScript(const std::string& name) {
  std::variant<std::vector<Command>, ScriptError> parsed;
  if (name == "-") {
    parsed = sw::automation::ParseScript(std::cin);
  } else {
    std::ifstream in(name);
    if (!in) {
      std::cerr << "scenewright: cannot read script '" << name << "'\n";
      return std::nullopt;
    }
    parsed = sw::automation::ParseScript(in);
  }
  if (auto* error = std::get_if<ScriptError>(&parsed)) {
    std::cerr << "scenewright: script " << error->Describe() << '\n';
    return std::nullopt;
  }
  return std::get<std::vector<Command>>(std::move(parsed));
}

void WriteDump(sw::platform::Platform& platform, const std::string& path) {
  if (path.empty()) return;
  try {
    platform.state().WriteFile(path);
  } catch (const std::exception&) {
    std::cerr << "scenewright: cannot write the state dump to '" << path << "'\n";
  }
}

}  // namespace

int main(int argc, char** argv) {
  auto parsed = sw::app::ParseCommandLine(argc, argv, std::cout, std::cerr);
  if (auto* exit_code = std::get_if<int>(&parsed)) return *exit_code;
  sw::app::PlayerOptions& options = std::get<sw::app::PlayerOptions>(parsed);
  // Scripts start in the user's regional settings, as they did on the user's own system.
  auto env = [](const char* name) {
    const char* v = std::getenv(name);
    return std::string_view(v != nullptr ? v : "");
  };
  options.environment_locale =
      sw::LcidFromEnvironment(env("LC_ALL"), env("LC_NUMERIC"), env("LANG"));
  if (!options.check_dir.empty()) return sw::app::RunCheck(options, std::cout, std::cerr);

  std::optional<std::vector<Command>> script;
  if (!options.script.empty()) {
    script = LoadScript(options.script);
    if (!script) return sw::automation::kScriptFailureExit;
  }

  sw::platform::PlatformOptions platform_options;
  platform_options.headless = options.headless;
  platform_options.virtual_clock = options.virtual_clock;
  sw::platform::ParseScaleMode(options.scale, platform_options.scale);
  // The player's own tests run the window on SDL's invisible driver.
  platform_options.require_display = std::getenv("SCENEWRIGHT_INVISIBLE_WINDOW") == nullptr;
  std::unique_ptr<sw::platform::Platform> platform;
  try {
    platform = std::make_unique<sw::platform::Platform>(platform_options);
  } catch (const sw::platform::NoDisplayError& e) {
    std::cerr << "scenewright: " << e.what() << '\n';
    return sw::app::kUsageExit;
  } catch (const std::exception& e) {
    std::cerr << "scenewright: cannot start: " << e.what() << '\n';
    return 1;
  }

  std::unique_ptr<sw::automation::ScriptRunner> runner;
  if (script) {
    runner = std::make_unique<sw::automation::ScriptRunner>(std::move(*script), std::cerr);
    platform->events().SetInputSource(runner.get());
  }

  int status = 0;
  if (sw::app::WantsLibrary(options)) {
    try {
      status = sw::app::RunLibrarySession(*platform, options, runner.get());
    } catch (const std::invalid_argument&) {
      std::cerr << "scenewright: unknown code page '" << options.codepage
                << "' ('iconv -l' lists the names)\n";
      status = sw::app::kUsageExit;
    } catch (const std::exception& e) {
      std::cerr << "scenewright: " << e.what() << '\n';
      status = 1;
    }
    WriteDump(*platform, options.dump);
    platform->events().SetInputSource(nullptr);
    return status;
  }
  {
    std::unique_ptr<sw::app::Player> player;
    try {
      player = std::make_unique<sw::app::Player>(*platform, options);
    } catch (const std::invalid_argument&) {
      std::cerr << "scenewright: unknown code page '" << options.codepage
                << "' ('iconv -l' lists the names)\n";
      return sw::app::kUsageExit;
    }
    try {
      std::string reason;
      const int early = player->Start(reason);
      if (early >= 0) {
        if (!reason.empty()) std::cerr << "scenewright: " << reason << '\n';
        status = early;
      } else {
        platform->events().Run();
        status = platform->events().exit_code();
      }
    } catch (const std::exception& e) {
      std::cerr << "scenewright: " << e.what() << '\n';
      status = 1;
    }
    WriteDump(*platform, options.dump);
  }
  platform->events().SetInputSource(nullptr);
  return status;
}
