// The list of games played before, most recent first, kept one folder per line in
// $XDG_CONFIG_HOME/scenewright/games; and what the library shows of each game folder.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace sw::launcher {

// At most this many games are remembered; the oldest fall off the end.
inline constexpr size_t kMaxGames = 200;

class GameLibrary {
 public:
  explicit GameLibrary(std::filesystem::path file);
  // $XDG_CONFIG_HOME/scenewright/games (~/.config/... without the variable).
  static std::filesystem::path DefaultFile();

  // Reads the list; a missing or unreadable file is an empty library.
  void Load();
  // Writes the list (creating its folder); false when it cannot be written.
  bool Save() const;

  const std::vector<std::string>& folders() const { return folders_; }
  // Puts the folder first, adding it when it is new. Folders are kept absolute; one whose
  // name holds a line break is not kept.
  void MoveToFront(const std::filesystem::path& folder);
  void Remove(const std::string& folder);

 private:
  std::filesystem::path file_;
  std::vector<std::string> folders_;
};

// A game folder holds Config/General, in any letter case.
bool IsGameFolder(const std::filesystem::path& folder);

// What the library shows of one game: its title from Config/General (in UTF-8; the folder's
// name when the title is empty or unreadable), or that the folder is gone.
struct GameEntry {
  std::string folder;
  std::string title;
  bool missing = false;
};
GameEntry DescribeGame(const std::string& folder, std::string_view code_page = "WINDOWS-1252");

}  // namespace sw::launcher
