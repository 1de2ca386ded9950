// The configuration folder: the project information, interface texts, variables, the default
// pointer and the inventory's own pictures.
#include "base/vb_error.h"
#include "check/checker.h"
#include "core/project/interface_texts.h"

namespace sw::check {

bool Checker::CheckGeneral() {
  const std::string path = folders_.ConfigFolder + "General";
  general_ = Find(path, Where{Shown(path), 0}, "file", true);
  if (!general_) {
    Report(Where{Shown(path), 0}, Severity::kError,
           "missing: there is no game in this folder (no project information file)");
    return false;
  }
  Find(path, Where{Shown(path), 0}, "file");  // a letter-case slip is worth a word
  std::optional<ValueReader> reader = OpenValueFile(path, *general_);
  if (!reader) return false;
  try {
    ReadProjectInfo(*reader, info_);
  } catch (const std::exception& e) {
    Report(At(path, *reader), Severity::kError,
           std::string("cannot read the project information: ") + e.what());
  }
  return true;
}

Where Checker::GeneralField(int field) {
  const std::string path = folders_.ConfigFolder + "General";
  if (!general_) return Where{Shown(path), 0};
  return ValueAt(path, *general_, field);
}

Where Checker::ValueAt(const std::string& gamePath, const std::filesystem::path& resolved,
                       int index) {
  Where where{Shown(gamePath), 0};
  try {
    ValueReader reader = ValueReader::FromFile(resolved, files_.codec());
    for (int i = 1; i < index && !reader.AtEnd(); ++i) reader.Skip();
    where.line = reader.NextLine();
  } catch (const std::exception&) {
  }
  return where;
}

void Checker::CheckTexts() {
  const std::string path = folders_.ConfigFolder + "Texts";
  const std::optional<std::filesystem::path> file = Find(path, Where{Shown(path), 0}, "file", true);
  if (!file) return;
  std::optional<ValueReader> reader = OpenValueFile(path, *file);
  if (!reader) return;
  try {
    InterfaceTexts texts;
    texts.Load(*reader);
  } catch (const std::exception& e) {
    Report(At(path, *reader), Severity::kError,
           std::string("cannot read the interface texts (the built-in English ones are shown): ") +
               e.what());
  }
}

void Checker::CheckVariables() {
  const std::string path = folders_.ConfigFolder + "Variables";
  variablesKnown_ = true;  // without the file, the game has no variables
  const std::optional<std::filesystem::path> file = Find(path, Where{Shown(path), 0}, "file", true);
  if (!file) return;
  std::optional<ValueReader> reader = OpenValueFile(path, *file);
  if (!reader) return;
  try {
    bool variants = false;
    if (!reader->AtEnd()) reader->Skip();
    while (!reader->AtEnd()) {
      const std::string name = reader->ReadString();
      if (name == "***") {
        variants = true;
      } else {
        (variants ? variants_ : integers_).push_back(name);
      }
    }
  } catch (const std::exception& e) {
    Report(At(path, *reader), Severity::kError,
           std::string("cannot read the variables: ") + e.what());
  }
}

void Checker::CheckPointerFile(const std::string& file, const Where& where) {
  if (IsDefaultName(file)) return;
  CheckMedia(folders_.IconsFolder + file, where, "pointer", MediaType::kPicture);
}

void Checker::CheckInventoryGraphics() {
  if (!info_.InventoryCustomGraphics) return;
  if (!IsDefaultName(info_.InventoryHandleFile)) {
    CheckMedia(folders_.InventoryFolder + info_.InventoryHandleFile, GeneralField(33),
               "inventory handle picture", MediaType::kPicture);
  }
  if (!IsDefaultName(info_.InventoryBackgroundFile)) {
    CheckMedia(folders_.InventoryFolder + info_.InventoryBackgroundFile, GeneralField(34),
               "inventory background picture", MediaType::kPicture);
  }
}

}  // namespace sw::check
