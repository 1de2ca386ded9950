#include "savegames/saved_game.h"

#include <cstdio>

#include "base/vb_error.h"
#include "core/valuefile/record_archive.h"
#include "core/valuefile/value_reader.h"
#include "core/valuefile/value_writer.h"

namespace sw {
namespace {

// The number of entries of a list. The file stores some counts as 32-bit and some as 16-bit
// integers; the loader reads the first one as a 16-bit integer and the others as any value.
// A negative count comes from no writer: the file is damaged.
enum class CountKind { kLong, kInteger };

template <class Archive>
void ListCount(Archive& a, int32_t& count, CountKind written, bool readAsInteger) {
  if constexpr (Archive::kReading) {
    if (readAsInteger) {
      int16_t n = 0;
      a.Integer(n);
      count = n;
    } else {
      Variant n;
      a.Value(n);
      count = n.ToLong();
    }
    if (count < 0) throw VbError(vberr::kInvalidProcedureCall);
  } else {
    if (written == CountKind::kLong) {
      a.Long(count);
    } else {
      a.Integer(static_cast<int16_t>(count));
    }
  }
  a.EndLine();
}

template <class Archive, class T>
int32_t SizeOf(const std::vector<T>& list) {
  if constexpr (Archive::kReading) {
    return 0;
  } else {
    if (list.size() > 2147483647u) throw VbError(vberr::kOverflow);
    return static_cast<int32_t>(list.size());
  }
}

// A list of name and 16-bit integer pairs (integer variables, disappeared hotspots).
template <class Archive>
void NumberPairs(Archive& a, std::vector<std::pair<std::string, int16_t>>& list,
                 bool countAsInteger) {
  int32_t count = SizeOf<Archive>(list);
  ListCount(a, count, CountKind::kLong, countAsInteger);
  for (int32_t i = 0; i < count; ++i) {
    auto& entry = a.Element(list, static_cast<size_t>(i));
    a.String(entry.first);
    a.EndLine();
    a.Integer(entry.second);
    a.EndLine();
  }
}

template <class Archive>
void Values(Archive& a, std::vector<Variant>& list, CountKind written) {
  int32_t count = SizeOf<Archive>(list);
  if (written == CountKind::kInteger && count > 32767) throw VbError(vberr::kOverflow);
  ListCount(a, count, written, false);
  for (int32_t i = 0; i < count; ++i) {
    a.Value(a.Element(list, static_cast<size_t>(i)));
    a.EndLine();
  }
}

template <class Archive>
void Describe(Archive& a, SavedGame& game) {
  a.Value(game.frame);
  a.EndLine();
  NumberPairs(a, game.variables, true);
  NumberPairs(a, game.disappeared, false);
  Values(a, game.items, CountKind::kInteger);
  // Files of older versions end after any of the sections that follow.
  if (a.AtEnd()) {
    if constexpr (Archive::kReading) game.hasHistory = false;
    return;
  }
  Values(a, game.history, CountKind::kInteger);
  if (a.AtEnd()) return;
  for (int i = 0; i < 3; ++i) {
    a.UnusedString();
    a.EndLine();
  }
  a.String(game.settingsSection);
  a.EndLine();
  a.String(game.title);
  a.EndLine();
  a.Value(game.date);
  a.EndLine();
  a.String(game.version);
  a.EndLine();
  if (a.AtEnd()) return;
  int32_t count = SizeOf<Archive>(game.variants);
  ListCount(a, count, CountKind::kLong, false);
  for (int32_t i = 0; i < count; ++i) {
    auto& entry = a.Element(game.variants, static_cast<size_t>(i));
    a.String(entry.first);
    a.EndLine();
    a.Value(entry.second);
    a.EndLine();
  }
}

}  // namespace

std::string SavedGameDate(double serial) {
  const DateParts parts = SplitDate(serial);
  char text[32];
  std::snprintf(text, sizeof text, "%02d/%02d/%04d", parts.month, parts.day, parts.year);
  return text;
}

void WriteSavedGame(ValueWriter& writer, const SavedGame& game) {
  RecordWriter archive(writer);
  SavedGame copy = game;
  Describe(archive, copy);
}

SavedGame ReadSavedGame(ValueReader& reader) {
  SavedGame game;
  game.version.clear();
  RecordReader archive(reader);
  Describe(archive, game);
  return game;
}

}  // namespace sw
