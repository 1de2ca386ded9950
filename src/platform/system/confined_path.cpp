#include "platform/system/confined_path.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <deque>

#include "base/vb_error.h"

namespace sw {
namespace fs = std::filesystem;

namespace {

constexpr int kMaxLinks = 40;

std::deque<std::string> Components(const fs::path& p) {
  std::deque<std::string> parts;
  for (const fs::path& part : p.relative_path()) {
    std::string s = part.string();
    if (!s.empty() && s != ".") parts.push_back(std::move(s));
  }
  return parts;
}

fs::path Absolute(const fs::path& p, const fs::path& base) {
  if (p.is_absolute()) return p;
  std::error_code ec;
  fs::path b = base.is_absolute() ? base : fs::absolute(base, ec);
  return b / p;
}

// A folder as the game names it, with '/' for every backslash.
fs::path OnDisk(std::string_view folder) {
  std::string s(folder);
  for (char& c : s)
    if (c == '\\') c = '/';
  return fs::path(s);
}

std::vector<fs::path> RealRoots(const AllowedRoots& roots) {
  std::vector<fs::path> real;
  auto add = [&real](const fs::path& root) {
    if (root.empty()) return;
    std::error_code ec;
    if (auto r = RealLocation(fs::absolute(root, ec))) real.push_back(*r);
  };
  add(OnDisk(roots.game_folder));
  for (const std::string& disc : roots.disc_roots) add(OnDisk(disc));
  add(roots.user_data);
  return real;
}

}  // namespace

bool IsRootedGamePath(std::string_view name) {
  if (!name.empty() && (name.front() == '\\' || name.front() == '/')) return true;
  return name.size() >= 2 && name[1] == ':' &&
         ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= 'a' && name[0] <= 'z'));
}

std::string CompleteGamePath(std::string_view game_folder, std::string_view name) {
  if (IsRootedGamePath(name)) return std::string(name);
  std::string path(game_folder);
  if (!path.empty() && path.back() != '/' && path.back() != '\\') path += '/';
  return path.append(name);
}

std::optional<fs::path> RealLocation(const fs::path& absolute) {
  std::deque<std::string> pending = Components(absolute);
  fs::path real = "/";
  bool missing = false;
  int links = 0;
  while (!pending.empty()) {
    std::string part = std::move(pending.front());
    pending.pop_front();
    if (part == "..") {
      real = real.parent_path();
      missing = false;  // back on a folder that exists: its links count again
      continue;
    }
    fs::path next = real / part;
    if (!missing) {
      struct stat info;
      if (lstat(next.c_str(), &info) != 0) {
        missing = true;  // ENOENT, ENOTDIR, EACCES: nothing further to follow
      } else if (S_ISLNK(info.st_mode)) {
        if (++links > kMaxLinks) return std::nullopt;
        std::string target(static_cast<size_t>(info.st_size) + 1, '\0');
        ssize_t n = readlink(next.c_str(), target.data(), target.size());
        if (n < 0 || static_cast<size_t>(n) >= target.size()) return std::nullopt;
        target.resize(static_cast<size_t>(n));
        fs::path to(target);
        if (to.is_absolute()) real = "/";
        std::deque<std::string> more = Components(to);
        pending.insert(pending.begin(), more.begin(), more.end());
        continue;
      }
    }
    real = std::move(next);
  }
  return real;
}

bool LiesInside(const fs::path& real, const std::vector<fs::path>& roots) {
  for (const fs::path& root : roots) {
    auto r = root.begin(), p = real.begin();
    for (; r != root.end() && p != real.end(); ++r, ++p) {
      if (r->empty()) break;  // the trailing separator of a folder
      if (*r != *p) break;
    }
    if (r == root.end() || r->empty()) return true;
  }
  return false;
}

bool MayAccess(const AllowedRoots& roots, const fs::path& resolved) {
  std::optional<fs::path> real = RealLocation(Absolute(resolved, OnDisk(roots.game_folder)));
  return real && LiesInside(*real, RealRoots(roots));
}

fs::path ConfinedPath(const PathResolver& resolver, const AllowedRoots& roots,
                      std::string_view name) {
  const fs::path resolved = resolver.Resolve(CompleteGamePath(roots.game_folder, name));
  std::optional<fs::path> real = RealLocation(Absolute(resolved, OnDisk(roots.game_folder)));
  if (!real || !LiesInside(*real, RealRoots(roots))) throw VbError(vberr::kPermissionDenied);
  return *real;
}

}  // namespace sw
