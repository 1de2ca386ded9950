// Writes the inventory files of a project in the authoring tool's formats: item files
// ("<item>.obj" in the areas folder), per-frame pick-up records (".fm4") and combination
// files ("<A>_on_<B>.drg" in the areas folder).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "authoring/project_writer.h"

namespace sw {

// The item `name` shown with the picture `iconFile` (in the areas folder).
void WriteItem(const ProjectWriter& project, const std::string& name, const std::string& iconFile);

// A hotspot whose click picks up an item.
struct PickUpSpec {
  int16_t Hotspot = 1;
  bool PickItem = true;  // false: the record exists but picks nothing up
  std::string Item;
};
void WritePickUps(const ProjectWriter& project, const std::string& frame,
                  const std::vector<PickUpSpec>& records);

// What dropping item A on item B does.
struct CombinationSpec {
  bool RemoveDragged = false;
  bool RemoveTarget = false;
  bool AddResult = false;
  std::string ResultItem;
  bool ScriptEnabled = false;
  std::string ScriptText;  // written as given: double quotes are stored as "|"
  // Older editors end the file after the result item.
  bool EndAfterResult = false;
};
void WriteCombination(const ProjectWriter& project, const std::string& dragged,
                      const std::string& target, const CombinationSpec& combination);

}  // namespace sw
