#include "inventory/item_files.h"

#include "core/project/file_names.h"
#include "core/project/folders.h"
#include "core/valuefile/value_reader.h"

namespace sw {

namespace {

std::string AsText(const Variant& value) {
  return value.IsEmpty() ? std::string() : value.ToString();
}

void SkipToSeparator(ValueReader& reader) {
  while (!reader.AtEnd()) {
    if (reader.ReadString() == ValueReader::kSeparator) return;
  }
}

}  // namespace

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

std::string ReadItemIcon(ValueReader& reader) {
  return reader.ReadString();
}

bool IsStoredOne(const Variant& value) {
  return Compare(value, Variant(int16_t{1}), false, kRightNumberLiteral) == CmpResult::Equal;
}

std::optional<std::string> FindPickUp(ValueReader& reader, int16_t areaIndex,
                                      const std::function<bool()>& stop) {
  while (!reader.AtEnd() && !stop()) {
    reader.Skip();
    if (reader.ReadInteger() != areaIndex) {
      SkipToSeparator(reader);
      continue;
    }
    for (int i = 0; i < 8; ++i) reader.Skip();
    if (!IsStoredOne(reader.ReadVariant())) return std::nullopt;
    return reader.ReadString();
  }
  return std::nullopt;
}

CombinationRemovals ReadCombinationRemovals(ValueReader& reader) {
  CombinationRemovals removals;
  const Variant dragged = reader.ReadVariant();
  const Variant target = reader.ReadVariant();
  removals.dragged = IsStoredOne(dragged);
  removals.target = IsStoredOne(target);
  return removals;
}

std::optional<std::string> ReadCombinationResult(ValueReader& reader) {
  const Variant add = reader.ReadVariant();
  const Variant name = reader.ReadVariant();
  if (!IsStoredOne(add)) return std::nullopt;
  return AsText(name);
}

CombinationScript ReadCombinationScript(ValueReader& reader) {
  for (int i = 0; i < 3; ++i) reader.Skip();
  CombinationScript script;
  script.enabled = reader.ReadBoolean();
  script.text = UnescapeScriptText(reader.ReadString());
  return script;
}

}  // namespace sw
