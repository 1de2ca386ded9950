// Where saved games lie and how they are listed: the project folder, and for games whose
// folder cannot be written (installed system-wide, copied from a CD) a folder of this user
// ($XDG_DATA_HOME/scenewright/saves/<settings section>/). Both dialogs list both places.
#pragma once

#include <string>
#include <vector>

namespace sw {

class GameRuntime;

// The ten characters a saved game's name may not hold.
inline constexpr const char* kForbiddenNameCharacters = "\\/:*?\"<>|,";
bool HasForbiddenCharacter(const std::string& name);

struct SavedGameEntry {
  std::string name;    // the display name: the file name without ".sav"
  std::string folder;  // the folder it lies in, ending in "/"
  std::string Path() const { return folder + name + ".sav"; }
};

// This user's folder for the saves of a game, ending in "/". Characters that cannot be part of
// a file name are replaced, so a settings section never leads outside the folder.
std::string FallbackSavesFolder(const std::string& settingsSection);

class SaveFiles {
 public:
  explicit SaveFiles(GameRuntime& runtime) : runtime_(runtime) {}

  // The saved games: those of the project folder from the oldest to the newest, then those of
  // the user's folder likewise (a name already listed from the project folder is left out).
  // Files named ".sav" (no display name) are not listed.
  std::vector<SavedGameEntry> List() const;
  // The saved game of that display name, project folder first (letter case ignored).
  SavedGameEntry Find(const std::string& name) const;
  // The folder a new save goes to: the project folder when it can be written, else the
  // user's folder (created when needed).
  std::string WriteFolder() const;
  std::string ProjectFolder() const;
  std::string UserFolder() const;

 private:
  // One folder's saved games from the oldest to the newest; equal times keep name order.
  void ListFolder(const std::string& folder, std::vector<SavedGameEntry>& out) const;

  GameRuntime& runtime_;
};

}  // namespace sw
