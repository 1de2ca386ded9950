#include "platform/system/user_dirs.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace sw {
namespace {

std::filesystem::path HomeDir() {
  if (const char* home = std::getenv("HOME"); home != nullptr && home[0] == '/') return home;
  if (const passwd* user = getpwuid(getuid()); user != nullptr && user->pw_dir != nullptr) {
    return user->pw_dir;
  }
  return std::filesystem::temp_directory_path();
}

// The folder an XDG variable names; relative or empty values are ignored, as the rules say.
std::filesystem::path BaseDir(const char* variable, const char* fallback_below_home) {
  if (const char* value = std::getenv(variable); value != nullptr && value[0] == '/') {
    return value;
  }
  return HomeDir() / fallback_below_home;
}

}  // namespace

std::filesystem::path UserConfigDir() {
  return BaseDir("XDG_CONFIG_HOME", ".config") / "scenewright";
}

std::filesystem::path UserDataDir() {
  return BaseDir("XDG_DATA_HOME", ".local/share") / "scenewright";
}

}  // namespace sw
