#include "app/command_line.h"

#include <CLI/CLI.hpp>
#include <fstream>
#include <system_error>

#include "locale/vb_locale.h"

namespace sw::app {
namespace {

// Without a project folder the game is the folder that holds the executable.
std::filesystem::path ExecutableFolder(const char* argv0) {
  std::error_code ec;
  std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) self = std::filesystem::absolute(argv0, ec);
  return self.parent_path();
}

// What --help shows after the options.
constexpr const char* kHelpFooter = R"(Exit status:
  0  the program ended normally
  2  bad arguments, an unusable game folder, or no display (without --headless)
  3  an automation command could not be carried out

With --check, the exit status is 0 when the game folder is sound (warnings
allowed) and 1 when something in it is wrong; each finding is one line
FILE:LINE: error|warning: message on standard output.

Keys in a game:
  Esc, right-click   show or hide the menu bar
  Ctrl+S / Ctrl+L    save / load a game
  Ctrl+Q             quit (asks first)
  Alt+Enter          switch between window and full screen

Example:
  scenewright ~/games/lantern-hill)";

}  // namespace

std::variant<PlayerOptions, int> ParseCommandLine(int argc, char** argv, std::ostream& out,
                                                  std::ostream& err) {
  PlayerOptions options;
  std::string project;
  std::string check;
  CLI::App cli{"Plays a Scenewright adventure game.", "scenewright"};
  cli.footer(kHelpFooter);
  cli.set_version_flag("--version", std::string("scenewright ") + SW_VERSION);
  cli.add_option("PROJECT_DIR", project,
                 "the game folder (default: the folder that holds the executable)");
  cli.add_flag("--headless", options.headless,
               "no window and no audio device; implies --virtual-clock");
  cli.add_flag("--virtual-clock", options.virtual_clock,
               "time advances only through the script's wait commands");
  cli.add_option("--script", options.script,
                 "read automation commands from FILE ('-' = standard input); exit when done")
      ->type_name("FILE");
  cli.add_option("--dump", options.dump, "write the state dump to FILE when the program exits")
      ->type_name("FILE");
  cli.add_option("--codepage", options.codepage,
                 "code page of the game's text files (default WINDOWS-1252)")
      ->type_name("NAME");
  std::string locale;
  cli.add_option("--locale", locale,
                 "regional settings of the game's scripts, such as de-DE or 1031 (default: the "
                 "game's Locale setting, else LC_ALL, LC_NUMERIC or LANG)")
      ->type_name("NAME");
  cli.add_option("--scale", options.scale,
                 "how a larger window or full screen enlarges the picture: sharp (whole-number "
                 "factor, the rest smoothed; default), smooth or pixel")
      ->check(CLI::IsMember({"sharp", "smooth", "pixel"}))
      ->type_name("MODE");
  cli.add_option("--check", check,
                 "check the game in DIR without playing it: print what is wrong, one line each")
      ->type_name("DIR");
  try {
    cli.parse(argc, argv);
  } catch (const CLI::CallForHelp&) {
    out << cli.help();
    return 0;
  } catch (const CLI::CallForVersion&) {
    out << "scenewright " << SW_VERSION << '\n';
    return 0;
  } catch (const CLI::ParseError& e) {
    err << "scenewright: " << e.what() << " (see --help)\n";
    return kUsageExit;
  }
  if (options.headless) options.virtual_clock = true;
  if (options.codepage.empty()) {
    err << "scenewright: --codepage needs a name ('iconv -l' lists them)\n";
    return kUsageExit;
  }
  if (!locale.empty()) {
    const std::optional<int32_t> id = LcidFromText(locale);
    if (!id) {
      err << "scenewright: unknown locale '" << locale
          << "' (give a name such as de-DE or a Windows locale ID such as 1031)\n";
      return kUsageExit;
    }
    options.locale = *id;
  }
  if (!options.script.empty() && options.script != "-" && !std::ifstream(options.script)) {
    err << "scenewright: cannot read script '" << options.script << "'\n";
    return kUsageExit;
  }
  if (!check.empty()) {
    std::error_code ec;
    if (!std::filesystem::is_directory(check, ec)) {
      err << "scenewright: game folder '" << check << "' is not a directory\n";
      return kUsageExit;
    }
    options.check_dir = check;
    return options;
  }
  options.project_named = !project.empty();
  options.project_dir =
      project.empty() ? ExecutableFolder(argv[0]) : std::filesystem::path(project);
  std::error_code ec;
  auto status = std::filesystem::status(options.project_dir, ec);
  if (!std::filesystem::exists(status)) {
    err << "scenewright: project folder '" << options.project_dir.string() << "' does not exist\n";
    return kUsageExit;
  }
  if (!std::filesystem::is_directory(status)) {
    err << "scenewright: project folder '" << options.project_dir.string()
        << "' is not a directory\n";
    return kUsageExit;
  }
  return options;
}

}  // namespace sw::app
