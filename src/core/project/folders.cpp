#include "core/project/folders.h"

namespace sw {

void SetProjectFolders(ProjectFolders& f, const std::string& projectFolder) {
  std::string root = projectFolder;
  // Exactly one trailing separator, also for the file system's root.
  while (root.size() > 1 && (root.back() == '/' || root.back() == '\\')) root.pop_back();
  if (root.empty() || (root.back() != '/' && root.back() != '\\')) root += '/';
  f.ProjectFolder = root;
  f.FramesDataFolder = root + "FramesData/";
  f.FramesFolder = root + "Frames/";
  f.AreasFolder = root + "Areas/";
  f.IconsFolder = root + "Icons/";
  f.ConfigFolder = root + "Config/";
  f.TempFolder = root + "Temp/";
  if (f.SchemesFolder.empty()) f.SchemesFolder = root + "Schemes/";
  if (f.InventoryFolder.empty()) f.InventoryFolder = root + "Inventory/";
}

}  // namespace sw
