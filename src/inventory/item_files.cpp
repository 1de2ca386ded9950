#include "inventory/item_files.h"

#include "core/project/folders.h"

namespace sw {

std::string ItemFilePath(const ProjectFolders& folders, const std::string& item) {
  return folders.AreasFolder + item + ".obj";
}

std::string CombinationFilePath(const ProjectFolders& folders, const std::string& dragged,
                                const std::string& target) {
  return folders.AreasFolder + dragged + "_on_" + target + ".drg";
}

bool IsNameInsideFolder(const std::string& name) {
  if (name.empty()) return true;
  if (name[0] == '\\' || name[0] == '/' || name.find(':') != std::string::npos) return false;
  size_t start = 0;
  while (start <= name.size()) {
    size_t end = name.find_first_of("\\/", start);
    if (end == std::string::npos) end = name.size();
    if (name.compare(start, end - start, "..") == 0 && end - start == 2) return false;
    start = end + 1;
  }
  return true;
}

}  // namespace sw
