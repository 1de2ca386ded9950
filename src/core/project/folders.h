// The project's folder variables; every file name of the game is built from one of them.
#pragma once

#include <string>

namespace sw {

struct ProjectFolders {
  std::string ProjectFolder;  // ends in exactly one "/"
  std::string FramesFolder;
  std::string FramesDataFolder;
  std::string AreasFolder;
  std::string IconsFolder;
  std::string ConfigFolder;
  std::string TempFolder;
  std::string SchemesFolder;
  std::string InventoryFolder;
};

// Sets every folder from the project folder (given with or without a trailing separator).
// The schemes and inventory folders are set only while they are still empty.
void SetProjectFolders(ProjectFolders& folders, const std::string& projectFolder);

}  // namespace sw
