#include "savegames/save_dialog.h"

#include <filesystem>
#include <system_error>

#include "base/vb_error.h"
#include "core/game/game_runtime.h"
#include "platform/platform.h"
#include "savegames/dialog_texts.h"
#include "savegames/saved_games.h"

namespace sw {
namespace {

constexpr int kWidth = 380;
constexpr int kHeight = 300;

// The forbidden characters as the messages list them.
constexpr const char* kCharacterList = "\" \\ / : * ? < > | ,";

platform::MessageStyle Style(platform::MessageIcon icon,
                             platform::MessageButtons buttons = platform::MessageButtons::kOk) {
  platform::MessageStyle style;
  style.icon = icon;
  style.buttons = buttons;
  return style;
}

}  // namespace

SaveDialog::SaveDialog(SavedGames& owner)
    : owner_(owner),
      dialog_(owner.runtime().platform(), ToDialog(owner.runtime(), owner.runtime().texts[21]),
              kWidth, kHeight),
      Label2(dialog_.AddLabel(ToDialog(owner.runtime(), owner.runtime().texts[23]),
                              {12, 10, kWidth - 24, 20})),
      Text1(dialog_.AddTextField("", {12, 34, kWidth - 24, 22})),
      List1(dialog_.AddListBox({12, 64, kWidth - 24, 186})),
      Command2(dialog_.AddButton(ToDialog(owner.runtime(), owner.runtime().texts[25]), 1,
                                 {12, 262, 100, 26}, true)),
      Command3(dialog_.AddButton(ToDialog(owner.runtime(), owner.runtime().texts[22]), 0,
                                 {124, 262, 132, 26})),
      Command1(dialog_.AddButton(ToDialog(owner.runtime(), owner.runtime().texts[11]), 0,
                                 {kWidth - 112, 262, 100, 26}, false, true)) {
  Text1.SetMaxLength(255);
  Command2.on.click = [this](platform::Element&) { Command2_Click(); };
  Command3.on.click = [this](platform::Element&) { Command3_Click(); };
  Command1.on.click = [this](platform::Element&) { Command1_Click(); };
  List1.on.click = [this](platform::Element&) {
    if (List1.list_index() >= 0) Text1.SetText(List1.text());
  };
  List1.on.dbl_click = [this](platform::Element&) {
    if (List1.list_index() < 0) return;
    Text1.SetText(List1.text());
    Command2_Click();
  };
  dialog_.form().on.close = [this](platform::Form&) { Command1_Click(); };
}

void SaveDialog::LoadSaveGames() {
  List1.Clear();
  entries_ = owner_.files().List();
  for (const auto& entry : entries_) List1.AddItem(ToDialog(owner_.runtime(), entry.name));
}

void SaveDialog::ShowModal() {
  dialog_.form().Focus(&Text1);
  owner_.SaveDialogShown = true;
  dialog_.ShowModal();
  owner_.SaveDialogShown = false;
  dialog_.form().Close();
}

void SaveDialog::Command2_Click() {
  GameRuntime& rt = owner_.runtime();
  const InterfaceTexts& texts = rt.texts;
  const std::string name = FromDialog(rt, Text1.text());
  if (HasForbiddenCharacter(name)) {
    rt.ShowMessage(texts[35] + "\r\n" + kCharacterList, rt.info.Title,
                   Style(platform::MessageIcon::kInformation));
    return;
  }
  if (name.empty()) {
    rt.ShowMessage(texts[23], texts[21], Style(platform::MessageIcon::kInformation));
    return;
  }
  const std::string folder = owner_.files().WriteFolder();
  const std::string path = folder + name + ".sav";
  if (rt.FileExists(path)) {
    const auto answer = rt.ShowMessage(
        "'" + name + "' " + texts[24], texts[21],
        Style(platform::MessageIcon::kQuestion, platform::MessageButtons::kOkCancel));
    if (answer != platform::MessageResult::kOk) return;
  }
  try {
    owner_.WriteGameFile(path);
  } catch (const std::exception&) {
    rt.ShowStandardError(" Unable to save '" + folder + name +
                         ".sav'.\r\nVerify that this file is not Read-Only and that it does not "
                         "contain any of the following characters: " +
                         kCharacterList);
    return;
  }
  dialog_.End(1);
}

void SaveDialog::Command3_Click() {
  GameRuntime& rt = owner_.runtime();
  const InterfaceTexts& texts = rt.texts;
  const int index = List1.list_index();
  if (index < 0 || index >= static_cast<int>(entries_.size())) {
    rt.ShowMessage(texts[9], texts[26], Style(platform::MessageIcon::kInformation));
    return;
  }
  const std::string path = entries_[static_cast<size_t>(index)].Path();
  const auto answer =
      rt.ShowMessage(texts[27] + " '" + path + "'?", texts[26],
                     Style(platform::MessageIcon::kQuestion, platform::MessageButtons::kOkCancel));
  if (answer != platform::MessageResult::kOk) return;
  try {
    const std::filesystem::path resolved = rt.files().Resolve(path);
    std::error_code ec;
    const bool removed = std::filesystem::remove(resolved, ec);
    rt.files().NoteWritten(resolved);
    if (ec || !removed) throw VbError(vberr::kPermissionDenied);
  } catch (const std::exception&) {
    rt.ShowStandardError(" Unable to remove '" + path + "'.");
  }
  LoadSaveGames();
}

void SaveDialog::Command1_Click() {
  dialog_.End(0);
}

}  // namespace sw
