// The inventory items of the areas folder (each with its icon) and the combinations of two
// items, with their result items and scripts.
#include "check/checker.h"
#include "core/project/inventory_records.h"
#include "core/valuefile/stored_values.h"
#include "platform/system/file_io.h"

namespace sw::check {

namespace {

std::string AsText(const Variant& value) {
  return value.IsEmpty() ? std::string() : value.ToStringUtf8();
}

}  // namespace

void Checker::CheckItems() {
  for (const std::string& name : files_.List(folders_.AreasFolder + "*.obj")) {
    const std::string path = folders_.AreasFolder + name;
    const auto file = Find(path, Where{Shown(path), 0}, "item file", true);
    if (!file) continue;
    std::optional<ValueReader> reader = OpenValueFile(path, *file);
    if (!reader) continue;
    try {
      const Where iconAt = At(path, *reader);
      const ItemRecord item = ReadItemRecord(*reader);
      if (item.IconFile.empty()) {
        Report(iconAt, Severity::kError, "the item names no icon");
      } else {
        CheckMedia(folders_.AreasFolder + item.IconFile, iconAt, "item icon", MediaType::kPicture);
      }
    } catch (const std::exception& e) {
      Report(At(path, *reader), Severity::kError, std::string("cannot read the item: ") + e.what());
    }
  }
  for (const std::string& name : files_.List(folders_.AreasFolder + "*.drg")) {
    CheckCombination(name);
  }
}

void Checker::CheckCombination(const std::string& name) {
  const std::string path = folders_.AreasFolder + name;
  const Where whole{Shown(path), 0};
  // "<dragged>_on_<target>.drg"
  const std::string stem = name.substr(0, name.size() - 4);
  std::string lower = stem;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  const size_t on = lower.find("_on_");
  if (on == std::string::npos) {
    Report(whole, Severity::kWarning, "not named <item>_on_<item>.drg: no combination uses it");
    return;
  }
  const std::string dragged = stem.substr(0, on);
  const std::string target = stem.substr(on + 4);
  CheckItemName(dragged, whole, "dragged in this combination");
  CheckItemName(target, whole, "the target of this combination");
  const auto file = Find(path, whole, "combination", true);
  if (!file) return;
  std::optional<ValueReader> reader = OpenValueFile(path, *file);
  if (!reader) return;
  try {
    CombinationRecord record;
    ReadCombinationPart(*reader, CombinationPart::kRemovals, record);
    const Where resultAt = At(path, *reader);
    ReadCombinationPart(*reader, CombinationPart::kResult, record);
    if (EqualsOne(record.AddResultItem)) {
      CheckItemName(AsText(record.ResultItemName), resultAt, "the result of this combination");
    }
    if (reader->AtEnd()) return;
    ReadCombinationPart(*reader, CombinationPart::kScript, record);
    if (record.ScriptEnabled && !record.ScriptText.empty()) {
      const std::string bytes = files_.codec().ToUtf8(ReadFileBytes(*file).value_or(""));
      const size_t at = bytes.find('"' + record.ScriptText + '"');
      const int line = at == std::string::npos ? 1 : LineOfOffset(bytes, at);
      CheckScript(record.ScriptText, Where{whole.file, line}, "the combination script");
    }
  } catch (const std::exception& e) {
    Report(At(path, *reader), Severity::kError,
           std::string("cannot read the combination: ") + e.what());
  }
}

}  // namespace sw::check
