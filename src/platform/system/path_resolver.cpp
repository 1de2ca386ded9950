#include "platform/system/path_resolver.h"

#include <algorithm>
#include <system_error>
#include <unordered_map>

#include "base/utf.h"
#include "platform/system/file_io.h"

namespace sw {
namespace {

namespace fs = std::filesystem;

// A folder written to this recently may change again within the resolution of its time stamp.
constexpr auto kUnsettledWindow = std::chrono::seconds(2);

bool IsAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool HasWildcard(std::string_view name) {
  return name.find_first_of("*?") != name.npos;
}

std::string Normalized(std::string_view path) {
  std::string out(path);
  std::replace(out.begin(), out.end(), '\\', '/');
  return out;
}

std::string CacheKey(const fs::path& dir) {
  std::string key = dir.lexically_normal().string();
  while (key.size() > 1 && key.back() == '/') key.pop_back();
  return key.empty() ? "." : key;
}

}  // namespace

struct PathResolver::Listing {
  struct Entry {
    std::string disk;  // the name on disk
    std::string game;  // the same name in the game's code page
    bool directory;
    std::string folded;  // the game name folded: the listing's order
  };
  std::vector<Entry> entries;                      // in name order
  std::unordered_map<std::string, size_t> exact;   // name on disk -> entry
  std::unordered_map<std::string, size_t> folded;  // folded names -> first entry
  std::optional<std::chrono::system_clock::time_point> stamp;
  bool unsettled = false;
};

struct PathResolver::Cache {
  std::unordered_map<std::string, Listing> listings;
};

PathResolver::PathResolver(std::string_view code_page)
    : codec_(code_page), cache_(std::make_unique<Cache>()) {}
PathResolver::~PathResolver() = default;
PathResolver::PathResolver(PathResolver&&) noexcept = default;
PathResolver& PathResolver::operator=(PathResolver&&) noexcept = default;

const PathResolver::Listing* PathResolver::GetListing(const fs::path& dir, bool reread_if_unsettled,
                                                      bool* fresh) const {
  std::string key = CacheKey(dir);
  auto stamp = sw::ModificationTime(key);
  if (!stamp) {
    cache_->listings.erase(key);
    return nullptr;
  }
  auto it = cache_->listings.find(key);
  if (it != cache_->listings.end() && it->second.stamp == stamp &&
      !(reread_if_unsettled && it->second.unsettled)) {
    if (fresh != nullptr) *fresh = false;
    return &it->second;
  }
  if (fresh != nullptr) *fresh = true;

  Listing listing;
  listing.stamp = stamp;
  listing.unsettled = *stamp > std::chrono::system_clock::now() - kUnsettledWindow;
  std::error_code ec;
  for (fs::directory_iterator next(key, ec), end; !ec && next != end; next.increment(ec)) {
    std::error_code type_ec;
    Listing::Entry entry{next->path().filename().string(), {}, next->is_directory(type_ec), {}};
    // A name that is no UTF-8 was written in the game's code page (copied from Windows).
    entry.game = entry.disk;
    if (!IsAscii(entry.disk) && Utf8ToUtf16(entry.disk).find(u'\xFFFD') != std::u16string::npos) {
      if (auto game = codec_.TryToUtf8(entry.disk)) entry.game = std::move(*game);
    }
    entry.folded = folder_.Fold(entry.game);
    listing.entries.push_back(std::move(entry));
  }
  if (ec) {
    cache_->listings.erase(key);
    return nullptr;
  }
  std::sort(listing.entries.begin(), listing.entries.end(),
            [](const Listing::Entry& a, const Listing::Entry& b) {
              return a.folded != b.folded ? a.folded < b.folded : a.disk < b.disk;
            });
  for (size_t i = 0; i < listing.entries.size(); ++i) {
    const auto& entry = listing.entries[i];
    listing.exact.emplace(entry.disk, i);
    listing.folded.emplace(entry.folded, i);
    listing.folded.emplace(folder_.Fold(entry.disk), i);
  }
  return &(cache_->listings[key] = std::move(listing));
}

std::optional<size_t> PathResolver::FindIn(const fs::path& dir, std::string_view name,
                                           const Listing** found_in) const {
  bool fresh = false;
  for (bool reread : {false, true}) {
    const Listing* listing = GetListing(dir, reread, &fresh);
    if (listing == nullptr) return std::nullopt;
    *found_in = listing;
    if (auto it = listing->exact.find(std::string(name)); it != listing->exact.end()) {
      return it->second;
    }
    if (auto it = listing->folded.find(folder_.Fold(name)); it != listing->folded.end()) {
      return it->second;
    }
    // A miss in a folder that was changing when it was read may be out of date: read it again,
    // unless it was read just now.
    if (fresh || !listing->unsettled) break;
  }
  // Windows ignores blanks and dots at the end of a name, and game files rely on it.
  size_t end = name.find_last_not_of(" .");
  if (end != name.npos && end + 1 < name.size())
    return FindIn(dir, name.substr(0, end + 1), found_in);
  return std::nullopt;
}

std::string PathResolver::DiskNameForNew(std::string_view name) const {
  return std::string(name);
}

fs::path PathResolver::Resolve(std::string_view path) const {
  std::string text = Normalized(path);
  fs::path result = !text.empty() && text.front() == '/' ? fs::path("/") : fs::path();
  bool missing = false;
  size_t pos = 0;
  while (pos <= text.size()) {
    size_t end = std::min(text.find('/', pos), text.size());
    std::string_view component(text.data() + pos, end - pos);
    pos = end + 1;
    if (component.empty()) continue;
    if (component == "." || component == "..") {
      result /= std::string(component);
      continue;
    }
    if (!missing) {
      const Listing* listing = nullptr;
      if (auto index = FindIn(result.empty() ? fs::path(".") : result, component, &listing)) {
        result /= listing->entries[*index].disk;
        continue;
      }
      missing = true;
    }
    result /= DiskNameForNew(component);
  }
  if (!text.empty() && text.back() == '/' && result.has_filename()) result += "/";
  return result;
}

bool PathResolver::Exists(std::string_view path) const {
  std::error_code ec;
  return fs::exists(Resolve(path), ec);
}

bool PathResolver::IsFile(std::string_view path) const {
  std::error_code ec;
  return fs::is_regular_file(Resolve(path), ec);
}

bool PathResolver::IsDirectory(std::string_view path) const {
  std::error_code ec;
  return fs::is_directory(Resolve(path), ec);
}

std::vector<std::string> PathResolver::List(std::string_view pattern_path, int attributes) const {
  std::vector<std::string> names;
  if (pattern_path.empty()) return names;  // names nothing (the search of a folder ends in '\')
  try {
    std::string text = Normalized(pattern_path);
    size_t slash = text.rfind('/');
    std::string pattern = slash == text.npos ? text : text.substr(slash + 1);
    fs::path dir = slash == text.npos ? fs::path(".")
                   : slash == 0       ? fs::path("/")
                                      : Resolve(text.substr(0, slash));
    if (pattern.empty()) pattern.push_back('*');
    if (pattern == "." || pattern == "..") return names;

    auto wanted = [attributes](const Listing::Entry& entry) {
      if (entry.directory && !(attributes & file_attr::kDirectory)) return false;
      if (entry.disk.front() == '.' && !(attributes & file_attr::kHidden)) return false;
      return true;
    };
    if (!HasWildcard(pattern)) {
      const Listing* listing = nullptr;
      if (auto index = FindIn(dir, pattern, &listing)) {
        if (wanted(listing->entries[*index])) names.push_back(listing->entries[*index].game);
      }
      return names;
    }
    const Listing* listing = GetListing(dir, false, nullptr);
    if (listing == nullptr) return names;
    std::string folded_pattern = folder_.Fold(pattern);
    for (const auto& entry : listing->entries) {
      if (!wanted(entry)) continue;
      if (CaseFolder::MatchesFolded(folded_pattern, entry.folded) ||
          (entry.disk != entry.game &&
           CaseFolder::MatchesFolded(folded_pattern, folder_.Fold(entry.disk)))) {
        names.push_back(entry.game);
      }
    }
  } catch (const std::exception&) {
    names.clear();
  }
  return names;
}

std::string PathResolver::Lookup(std::string_view path) const {
  std::vector<std::string> names = List(path, file_attr::kNormal);
  return names.empty() ? std::string() : std::move(names.front());
}

std::optional<std::chrono::system_clock::time_point> PathResolver::ModificationTime(
    std::string_view path) const {
  return sw::ModificationTime(Resolve(path));
}

bool PathResolver::DeleteIfExists(std::string_view path) {
  try {
    fs::path resolved = Resolve(path);
    std::error_code ec;
    if (!fs::is_regular_file(resolved, ec)) return false;
    bool removed = fs::remove(resolved, ec);
    NoteWritten(resolved);
    return removed && !ec;
  } catch (const std::exception&) {
    return false;
  }
}

void PathResolver::Invalidate(const fs::path& resolved_dir) {
  cache_->listings.erase(CacheKey(resolved_dir.empty() ? fs::path(".") : resolved_dir));
}

void PathResolver::InvalidateAll() {
  cache_->listings.clear();
}

}  // namespace sw
