// Where the player's screenshot key puts its pictures and what it names them: the user's
// pictures folder (after the XDG user-dirs rules), a file name made safe from the game's title.
#pragma once

#include <ctime>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace sw::shell {

// Looks up an environment variable; nothing when it is not set.
using EnvironmentLookup = std::function<std::optional<std::string>(const char*)>;
// The process's own environment.
std::optional<std::string> ProcessEnvironment(const char* name);

// $XDG_PICTURES_DIR/scenewright: the variable from the environment, else from
// $XDG_CONFIG_HOME/user-dirs.dirs (by default ~/.config/user-dirs.dirs), else ~/Pictures.
std::filesystem::path ScreenshotFolder(const EnvironmentLookup& env);

// The pictures folder a user-dirs.dirs text names ("$HOME/..." or an absolute path); nothing
// when it names none, or names the home folder itself (which the file uses for "disabled").
std::optional<std::filesystem::path> PicturesDirFromUserDirs(std::string_view text,
                                                             const std::filesystem::path& home);

// "<title> <yyyy-mm-dd hh-mm-ss>.png": the title reduced to one safe file-name component
// (no path separators, control characters or characters other systems refuse, no leading
// dot, at most 80 bytes, never cut inside a UTF-8 character), "Scenewright" when nothing is
// left of it.
std::string ScreenshotFileName(std::string_view title, const std::tm& when);

// `name` in `folder`, or "<stem> (2).png", "<stem> (3).png"... when a file of that name exists.
std::filesystem::path UnusedPath(const std::filesystem::path& folder, const std::string& name);

}  // namespace sw::shell
