// scenewright-vbs: runs VBScript files the way the player's host does, for authors checking
// their procedures. Usage: scenewright-vbs [--timeout SECONDS] [--locale NAME] FILE...
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string_view>

#include "locale/vb_locale.h"
#include "scripting/vbscript/engine.h"
#include "vbsrunner/runner.h"
#include "vbsrunner/terminal_text.h"

int main(int argc, char** argv) {
  constexpr const char* kUsage =
      "usage: scenewright-vbs [--timeout SECONDS] [--locale NAME] FILE...\n";
  // The player's engine starts with its own time-out; 0 means none.
  int timeout_ms = sw::vbs::Engine().timeout();
  // Scripts start in the user's regional settings, as on the user's own system.
  auto env = [](const char* name) {
    const char* v = std::getenv(name);
    return std::string_view(v != nullptr ? v : "");
  };
  int32_t locale = sw::LcidFromEnvironment(env("LC_ALL"), env("LC_NUMERIC"), env("LANG"));
  int first = 1;
  while (first + 1 < argc) {
    const std::string_view option = argv[first];
    if (option == "--timeout") {
      char* end = nullptr;
      long seconds = std::strtol(argv[first + 1], &end, 10);
      if (*end != '\0' || seconds < 0 || seconds > 2000000) {
        std::cerr << kUsage;
        return 2;
      }
      timeout_ms = seconds == 0 ? -1 : static_cast<int>(seconds * 1000);
    } else if (option == "--locale") {
      const std::optional<int32_t> id = sw::LcidFromText(argv[first + 1]);
      if (!id) {
        std::cerr << "scenewright-vbs: unknown locale '" << argv[first + 1] << "'\n" << kUsage;
        return 2;
      }
      locale = *id;
    } else {
      break;
    }
    first += 2;
  }
  if (argc <= first || std::string_view(argv[first]) == "--timeout" ||
      std::string_view(argv[first]) == "--locale") {
    std::cerr << kUsage;
    return 2;
  }
  std::vector<sw::vbsrunner::ScriptFile> files;
  for (int i = first; i < argc; ++i) {
    std::ifstream in(argv[i], std::ios::binary);
    if (!in) {
      std::cerr << argv[i] << ": cannot open file\n";
      return 1;
    }
    std::ostringstream text;
    text << in.rdbuf();
    files.push_back({argv[i], sw::vbsrunner::ScriptFileText(text.str())});
  }
  return sw::vbsrunner::RunScripts(files, std::cout, std::cerr, timeout_ms, locale);
}
