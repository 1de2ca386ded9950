// Readers of the inventory's stored files: the item file (its icon), the frame's pick-up file
// and the combination file of two items. Reading is split at the points where the player acts
// between reads, so a file that ends early fails exactly where the reading stopped.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "variant/variant.h"

namespace sw {

class ValueReader;
struct ProjectFolders;

// Item file: AreasFolder + name + ".obj".
std::string ItemFilePath(const ProjectFolders& folders, const std::string& item);
// Combination file: AreasFolder + A + "_on_" + B + ".drg".
std::string CombinationFilePath(const ProjectFolders& folders, const std::string& dragged,
                                const std::string& target);
// False for a name that would lead out of the game's folders ("..", a drive or a leading
// separator): such a name names no file of the game.
bool IsNameInsideFolder(const std::string& name);

// The item file's first value: the icon file name, relative to the areas folder.
std::string ReadItemIcon(ValueReader& reader);

// A stored flag "equal to 1" as the game compares it: a number, or text that reads as one
// (other text is VbError 13 Type mismatch).
bool IsStoredOne(const Variant& value);

// Searches the pick-up file for the record of `areaIndex`. The first record of that hotspot
// decides: its item when field 11 is 1, else nothing (the records after it are not read).
// `stop` is asked before each record; when it answers true the search ends with nothing.
std::optional<std::string> FindPickUp(ValueReader& reader, int16_t areaIndex,
                                      const std::function<bool()>& stop);

// The combination file in the order the combination acts on it.
struct CombinationRemovals {
  bool dragged = false;  // field 1
  bool target = false;   // field 2
};
CombinationRemovals ReadCombinationRemovals(ValueReader& reader);
// Fields 3 and 4: the item to add, when field 3 is 1.
std::optional<std::string> ReadCombinationResult(ValueReader& reader);
struct CombinationScript {
  bool enabled = false;  // field 8
  std::string text;      // field 9, "|" turned into double quotes
};
// Fields 5 to 9 (called only when the file goes on after field 4).
CombinationScript ReadCombinationScript(ValueReader& reader);

}  // namespace sw
