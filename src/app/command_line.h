// The player's command line: options, the project folder, and the checks that end a run
// early with exit status 2.
#pragma once

#include <cstdint>
#include <filesystem>
#include <ostream>
#include <string>
#include <variant>

namespace sw::app {

// Exit status for bad arguments or an unusable project folder.
inline constexpr int kUsageExit = 2;

struct PlayerOptions {
  std::filesystem::path project_dir;
  // False when no folder was named and the executable's own folder is tried.
  bool project_named = false;
  bool headless = false;
  bool virtual_clock = false;
  std::string script;  // "" = none, "-" = standard input
  std::string dump;    // "" = none
  std::string codepage = "WINDOWS-1252";
  // --locale: the regional settings of the game's scripts as a Windows locale ID (0 = not
  // given; then the game's "Locale" setting, then the environment decide).
  int32_t locale = 0;
  // The user's locale from LC_ALL, LC_NUMERIC and LANG (main reads them).
  int32_t environment_locale = 1033;
  // How the window enlarges the game's picture: "sharp", "smooth" or "pixel".
  std::string scale = "sharp";
  // --check: the game folder to check instead of playing ("" = play).
  std::filesystem::path check_dir;
};

// Parses the command line. Returns the options, or the exit status to end with at once
// (0 after --help or --version, kUsageExit with a one-line reason on `err`).
std::variant<PlayerOptions, int> ParseCommandLine(int argc, char** argv, std::ostream& out,
                                                  std::ostream& err);

}  // namespace sw::app
