#include "launcher/game_library.h"

#include <algorithm>
#include <sstream>

#include "core/project/project_info.h"
#include "core/valuefile/value_reader.h"
#include "platform/system/file_io.h"
#include "platform/system/path_resolver.h"
#include "platform/system/user_dirs.h"

namespace sw::launcher {

namespace fs = std::filesystem;

namespace {

// A folder as the library keeps it: absolute and without "." or ".." parts or a trailing "/".
std::string Normal(const fs::path& folder) {
  std::error_code ec;
  fs::path absolute = fs::absolute(folder, ec);
  if (ec) absolute = folder;
  std::string text = absolute.lexically_normal().string();
  while (text.size() > 1 && text.back() == '/') text.pop_back();
  return text;
}

// Folder lines longer than this are not folders anyone has.
constexpr size_t kMaxLine = 4096;

}  // namespace

GameLibrary::GameLibrary(fs::path file) : file_(std::move(file)) {}

fs::path GameLibrary::DefaultFile() {
  return UserConfigDir() / "games";
}

void GameLibrary::Load() {
  folders_.clear();
  const std::optional<std::string> bytes = ReadFileBytes(file_);
  if (!bytes) return;
  std::istringstream in(*bytes);
  std::string line;
  while (std::getline(in, line) && folders_.size() < kMaxGames) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line.size() > kMaxLine || line.front() != '/') continue;
    if (std::find(folders_.begin(), folders_.end(), line) == folders_.end()) {
      folders_.push_back(line);
    }
  }
}

bool GameLibrary::Save() const {
  std::string text;
  for (const std::string& folder : folders_) text += folder + "\n";
  try {
    std::error_code ec;
    fs::create_directories(file_.parent_path(), ec);
    WriteFileAtomically(file_, text);
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

void GameLibrary::MoveToFront(const fs::path& folder) {
  const std::string normal = Normal(folder);
  // One folder per line: a name with a line break cannot be kept.
  if (normal.find_first_of("\r\n") != std::string::npos) return;
  Remove(normal);
  folders_.insert(folders_.begin(), normal);
  if (folders_.size() > kMaxGames) folders_.resize(kMaxGames);
}

void GameLibrary::Remove(const std::string& folder) {
  folders_.erase(std::remove(folders_.begin(), folders_.end(), folder), folders_.end());
}

bool IsGameFolder(const fs::path& folder) {
  const PathResolver files;
  return files.IsFile(folder.string() + "/Config/General");
}

GameEntry DescribeGame(const std::string& folder, std::string_view code_page) {
  GameEntry entry;
  entry.folder = folder;
  std::error_code ec;
  entry.missing = !fs::is_directory(folder, ec) || !IsGameFolder(folder);
  entry.title = fs::path(folder).filename().string();
  if (entry.missing) return entry;
  const PathResolver files(code_page);
  try {
    ValueReader reader =
        ValueReader::FromFile(files.Resolve(folder + "/Config/General"), files.codec());
    ProjectInfo info;
    ResetProjectInfo(info);
    try {
      ReadProjectInfo(reader, info);
    } catch (const std::exception&) {
      // What was read before the fault is enough for a title.
    }
    if (!info.Title.empty()) entry.title = info.Title;  // decoded from the code page when read
  } catch (const std::exception&) {
  }
  return entry;
}

}  // namespace sw::launcher
