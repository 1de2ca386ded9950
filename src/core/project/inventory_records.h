// The inventory's stored records, each described once for reading and writing: the item file
// (its icon), the pick-up records of a frame's ".fm4" file, and the combination file of two
// items. A combination is read in three parts, because the player acts between them.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "variant/variant.h"

namespace sw {

class ValueReader;
class ValueWriter;

// AreasFolder + item name + ".obj": the icon file name (in the areas folder) first; the
// player reads nothing after it.
struct ItemRecord {
  std::string IconFile;
};
ItemRecord ReadItemRecord(ValueReader& reader);
void WriteItemRecord(ValueWriter& writer, const ItemRecord& record);

// One record of a frame's pick-up file, ended by the separator.
struct PickUpRecord {
  int16_t HotspotIndex = 0;    // field 2
  Variant PickItem;            // field 11: equal to 1 picks the item up
  std::string PickedItemName;  // field 12, stored only when field 11 is 1
};
// Searches the pick-up file for the record of `areaIndex`. The first record of that hotspot
// decides: its item when field 11 is 1, else nothing (the records after it are not read).
// `stop` is asked before each record; when it answers true the search ends with nothing.
// Errors propagate as VbError.
std::optional<std::string> FindPickUp(ValueReader& reader, int16_t areaIndex,
                                      const std::function<bool()>& stop);
// Writes the record and its separator.
void WritePickUpRecord(ValueWriter& writer, const PickUpRecord& record);

// AreasFolder + A + "_on_" + B + ".drg": what dropping item A on item B does.
struct CombinationRecord {
  Variant RemoveDraggedItem;   // field 1: equal to 1 takes A away
  Variant RemoveTargetItem;    // field 2: equal to 1 takes B away
  Variant AddResultItem;       // field 3: equal to 1 adds the item of field 4
  Variant ResultItemName;      // field 4
  bool ScriptEnabled = false;  // field 8 (after three reserved values)
  std::string ScriptText;      // field 9, as stored: "|" stands for a double quote
};
enum class CombinationPart {
  kRemovals,  // fields 1 and 2
  kResult,    // fields 3 and 4; a file may end after them
  kScript,    // fields 5 to 9
};
void ReadCombinationPart(ValueReader& reader, CombinationPart part, CombinationRecord& record);
// `lastField` 4 ends the file after the result, as older authoring tools did.
void WriteCombinationRecord(ValueWriter& writer, const CombinationRecord& record,
                            int lastField = 9);

}  // namespace sw
