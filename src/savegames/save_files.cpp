#include "savegames/save_files.h"

#include <filesystem>
#include <system_error>

#include "core/game/game_runtime.h"
#include "platform/system/file_io.h"
#include "platform/system/user_dirs.h"

namespace sw {

bool HasForbiddenCharacter(const std::string& name) {
  return name.find_first_of(kForbiddenNameCharacters) != std::string::npos;
}

std::string FallbackSavesFolder(const std::string& settingsSection) {
  std::string section = settingsSection;
  for (char& c : section) {
    if (std::string_view(kForbiddenNameCharacters).find(c) != std::string_view::npos ||
        static_cast<unsigned char>(c) < 32) {
      c = '_';
    }
  }
  if (section.empty() || section == "." || section == "..") section = "_";
  return (UserDataDir() / "saves" / section).string() + "/";
}

std::string SaveFiles::ProjectFolder() const {
  return runtime_.folders.ProjectFolder;
}

std::string SaveFiles::UserFolder() const {
  return FallbackSavesFolder(runtime_.info.SettingsSection);
}

void SaveFiles::ListFolder(const std::string& folder, std::vector<SavedGameEntry>& out) const {
  PathResolver& files = runtime_.files();
  const size_t first = out.size();
  std::vector<std::string> names;
  try {
    names = files.List(folder + "*.sav");
  } catch (const std::exception&) {
    return;
  }
  for (const std::string& file : names) {
    if (file.size() <= 4) continue;
    SavedGameEntry entry{file.substr(0, file.size() - 4), folder};
    const auto time = files.ModificationTime(entry.Path());
    size_t at = out.size();
    for (size_t i = first; i < out.size(); ++i) {
      const auto other = files.ModificationTime(out[i].Path());
      if (time && other && *other > *time) {
        at = i;
        break;
      }
    }
    out.insert(out.begin() + static_cast<std::ptrdiff_t>(at), std::move(entry));
  }
}

std::vector<SavedGameEntry> SaveFiles::List() const {
  std::vector<SavedGameEntry> entries;
  if (ProjectFolder().empty()) return entries;  // no project yet
  ListFolder(ProjectFolder(), entries);
  const std::string user = UserFolder();
  if (!runtime_.files().IsDirectory(user)) return entries;
  std::vector<SavedGameEntry> more;
  ListFolder(user, more);
  const size_t projectCount = entries.size();
  for (auto& entry : more) {
    bool listed = false;
    for (size_t i = 0; i < projectCount && !listed; ++i) {
      listed = runtime_.files().case_folder().Equal(entries[i].name, entry.name);
    }
    if (!listed) entries.push_back(std::move(entry));
  }
  return entries;
}

SavedGameEntry SaveFiles::Find(const std::string& name) const {
  for (SavedGameEntry& entry : List()) {
    if (runtime_.files().case_folder().Equal(entry.name, name)) return entry;
  }
  return {name, WriteFolder()};
}

std::string SaveFiles::WriteFolder() const {
  const std::string project = ProjectFolder();
  if (CanWriteInFolder(runtime_.files().Resolve(project))) return project;
  const std::string user = UserFolder();
  std::error_code ec;
  std::filesystem::create_directories(std::filesystem::path(user), ec);
  return user;
}

}  // namespace sw
