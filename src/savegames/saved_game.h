// The saved-game file: what it holds, and its one description that both the writer and the
// loader use, so the two can never disagree about the order or the types of its values.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "variant/variant.h"

namespace sw {

class ValueReader;
class ValueWriter;

struct SavedGame {
  // The version line every saved game carries.
  static constexpr const char* kVersion = "Version 3.3.0";

  Variant frame;  // the frame shown when saving
  std::vector<std::pair<std::string, int16_t>> variables;
  std::vector<std::pair<std::string, int16_t>> disappeared;  // frame, hotspot index
  std::vector<Variant> items;
  // The visited frames, oldest first. Files that end after the items hold none: then
  // `hasHistory` is false and the history of the reset game stays.
  std::vector<Variant> history;
  bool hasHistory = true;
  // Lines that identify the file; the loader passes over them.
  std::string settingsSection;
  std::string title;
  Variant date;
  std::string version = kVersion;
  std::vector<std::pair<std::string, Variant>> variants;
};

// The date line of a file saved at `serial` (a date value): month/day/year on two, two and
// four digits ("03/07/2003").
std::string SavedGameDate(double serial);

// Writes the file's values, CR LF line ends. Throws VbError 13 for a variant that cannot be
// written (an array or an object without a default value).
void WriteSavedGame(ValueWriter& writer, const SavedGame& game);
// Reads a whole saved game. Throws VbError for anything the file does not hold as it should:
// a cut, text where a number belongs, a number beyond its range, or a negative count.
SavedGame ReadSavedGame(ValueReader& reader);

}  // namespace sw
