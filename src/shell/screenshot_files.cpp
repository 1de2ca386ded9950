#include "shell/screenshot_files.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace sw::shell {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kMaxTitleBytes = 80;
constexpr std::size_t kMaxUserDirsBytes = 64 * 1024;

// Length of the well-formed UTF-8 character starting at `i`, 0 when it is not one.
std::size_t Utf8Length(std::string_view s, std::size_t i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char lead = byte(i);
  std::size_t n = 0;
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) n = 2;
  if (lead >= 0xE0 && lead <= 0xEF) n = 3;
  if (lead >= 0xF0 && lead <= 0xF4) n = 4;
  if (n == 0 || i + n > s.size()) return 0;
  for (std::size_t k = 1; k < n; ++k)
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
  // Overlong forms, surrogates and values past U+10FFFF.
  if (lead == 0xE0 && byte(i + 1) < 0xA0) return 0;
  if (lead == 0xED && byte(i + 1) >= 0xA0) return 0;
  if (lead == 0xF0 && byte(i + 1) < 0x90) return 0;
  if (lead == 0xF4 && byte(i + 1) >= 0x90) return 0;
  return n;
}

// Characters no file name may hold here, or on the removable disks pictures are copied to.
bool Refused(char c) {
  const auto u = static_cast<unsigned char>(c);
  return u < 0x20 || u == 0x7F || std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos;
}

std::string SafeTitle(std::string_view title) {
  std::string out;
  for (std::size_t i = 0; i < title.size();) {
    const std::size_t n = Utf8Length(title, i);
    if (n == 0 || (n == 1 && Refused(title[i]))) {
      if (out.empty() || out.back() != '_') out += '_';
      i += n == 0 ? 1 : n;
      continue;
    }
    if (out.size() + n > kMaxTitleBytes) break;
    out.append(title.substr(i, n));
    i += n;
  }
  // Nothing hidden, and no spaces or dots at the ends that file managers would hide.
  const std::size_t first = out.find_first_not_of(" ._");
  if (first == std::string::npos) return "Scenewright";
  out.erase(0, first);
  out.erase(out.find_last_not_of(" .") + 1);
  return out;
}

}  // namespace

std::optional<std::string> ProcessEnvironment(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr) return std::nullopt;
  return std::string(value);
}

std::optional<fs::path> PicturesDirFromUserDirs(std::string_view text, const fs::path& home) {
  std::optional<fs::path> found;
  std::istringstream lines{std::string(text)};
  std::string line;
  while (std::getline(lines, line)) {
    const std::size_t start = line.find_first_not_of(" \t");
    if (start == std::string::npos || line[start] == '#') continue;
    constexpr std::string_view key = "XDG_PICTURES_DIR=\"";
    if (line.compare(start, key.size(), key) != 0) continue;
    const std::size_t open = start + key.size();
    const std::size_t close = line.find('"', open);
    if (close == std::string::npos) continue;
    std::string value = line.substr(open, close - open);
    fs::path dir;
    if (value == "$HOME" || value.rfind("$HOME/", 0) == 0) {
      dir = home / value.substr(value.size() > 5 ? 6 : 5);
    } else if (!value.empty() && value[0] == '/') {
      dir = value;
    } else {
      continue;
    }
    found = dir;
  }
  // Compared without a trailing "/": the home folder itself means "no such folder".
  auto bare = [](fs::path p) {
    p = p.lexically_normal();
    return !p.has_filename() && p != p.root_path() ? p.parent_path() : p;
  };
  if (found && bare(*found) == bare(home)) return std::nullopt;
  if (found) return bare(*found);
  return found;
}

fs::path ScreenshotFolder(const EnvironmentLookup& env) {
  auto absolute = [&](const char* name) -> std::optional<fs::path> {
    std::optional<std::string> value = env(name);
    if (!value || value->empty() || (*value)[0] != '/') return std::nullopt;
    return fs::path(*value);
  };
  const fs::path home = absolute("HOME").value_or(fs::temp_directory_path());
  if (std::optional<fs::path> pictures = absolute("XDG_PICTURES_DIR")) {
    return *pictures / "scenewright";
  }
  const fs::path config = absolute("XDG_CONFIG_HOME").value_or(home / ".config");
  std::ifstream in(config / "user-dirs.dirs", std::ios::binary);
  if (in) {
    std::string text(kMaxUserDirsBytes, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
    if (std::optional<fs::path> pictures = PicturesDirFromUserDirs(text, home)) {
      return *pictures / "scenewright";
    }
  }
  return home / "Pictures" / "scenewright";
}

std::string ScreenshotFileName(std::string_view title, const std::tm& when) {
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H-%M-%S", &when);
  return SafeTitle(title) + " " + stamp + ".png";
}

fs::path UnusedPath(const fs::path& folder, const std::string& name) {
  std::error_code ec;
  fs::path path = folder / name;
  const std::string stem = fs::path(name).stem().string();
  const std::string extension = fs::path(name).extension().string();
  for (int n = 2; fs::exists(fs::symlink_status(path, ec)) && n < 1000; ++n) {
    path = folder / (stem + " (" + std::to_string(n) + ")" + extension);
  }
  return path;
}

}  // namespace sw::shell
