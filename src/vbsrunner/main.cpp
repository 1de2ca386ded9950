// scenewright-vbs: runs VBScript files the way the player's host does, for authors checking
// their procedures. Usage: scenewright-vbs [--timeout SECONDS] FILE...
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string_view>

#include "scripting/vbscript/engine.h"
#include "vbsrunner/runner.h"
#include "vbsrunner/terminal_text.h"

int main(int argc, char** argv) {
  constexpr const char* kUsage = "usage: scenewright-vbs [--timeout SECONDS] FILE...\n";
  // The player's engine starts with its own time-out; 0 means none.
  int timeout_ms = sw::vbs::Engine().timeout();
  int first = 1;
  if (argc > 1 && std::string_view(argv[1]) == "--timeout") {
    char* end = nullptr;
    long seconds = argc > 2 ? std::strtol(argv[2], &end, 10) : -1;
    if (argc < 3 || *end != '\0' || seconds < 0 || seconds > 2000000) {
      std::cerr << kUsage;
      return 2;
    }
    timeout_ms = seconds == 0 ? -1 : static_cast<int>(seconds * 1000);
    first = 3;
  }
  if (argc <= first) {
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
  return sw::vbsrunner::RunScripts(files, std::cout, std::cerr, timeout_ms);
}
