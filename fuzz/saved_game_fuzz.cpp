// Fuzz target: the saved-game loader, and the writer on what it loaded. A file that loads is
// written back; when its text survives the file format (no double quote or line break, which
// the format cannot carry), the written file must load to the same bytes again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <exception>
#include <string>

#include "core/valuefile/value_reader.h"
#include "core/valuefile/value_writer.h"
#include "savegames/saved_game.h"

namespace {

bool Carried(const std::string& text) {
  return text.find_first_of("\"\r\n|") == std::string::npos;
}

bool Carried(const sw::Variant& value) {
  try {
    return Carried(value.ToStringUtf8());
  } catch (const std::exception&) {
    return false;
  }
}

// Whether every text of the game can pass through the file format unchanged.
bool AllCarried(const sw::SavedGame& game) {
  bool ok = Carried(game.frame) && Carried(game.settingsSection) && Carried(game.title) &&
            Carried(game.date) && Carried(game.version);
  for (const auto& [name, value] : game.variables) ok = ok && Carried(name);
  for (const auto& [frame, index] : game.disappeared) ok = ok && Carried(frame);
  for (const auto& item : game.items) ok = ok && Carried(item);
  for (const auto& frame : game.history) ok = ok && Carried(frame);
  for (const auto& [name, value] : game.variants) ok = ok && Carried(name) && Carried(value);
  return ok;
}

std::string Written(const sw::SavedGame& game) {
  sw::ValueWriter writer;
  sw::WriteSavedGame(writer, game);
  return writer.bytes();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  sw::SavedGame game;
  try {
    sw::ValueReader reader(std::string(reinterpret_cast<const char*>(data), size));
    game = sw::ReadSavedGame(reader);
  } catch (const std::exception&) {
    return 0;  // a damaged file is refused, which is all that is asked of it
  }
  std::string first;
  try {
    first = Written(game);
  } catch (const std::exception&) {
    return 0;  // a value that has no written form (a count beyond 16 bits, say)
  }
  if (!AllCarried(game)) return 0;
  sw::ValueReader again(first);
  const std::string second = Written(sw::ReadSavedGame(again));
  if (second != first) std::abort();  // the written file does not load to what was written
  return 0;
}
