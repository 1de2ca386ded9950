#include "savegames/load_dialog.h"

#include "core/game/game_runtime.h"
#include "platform/platform.h"
#include "savegames/dialog_texts.h"
#include "savegames/saved_games.h"

namespace sw {
namespace {

constexpr int kWidth = 380;
constexpr int kHeight = 280;

}  // namespace

LoadDialog::LoadDialog(SavedGames& owner)
    : owner_(owner),
      dialog_(owner.runtime().platform(), ToDialog(owner.runtime(), owner.runtime().texts[17]),
              kWidth, kHeight),
      Label1(dialog_.AddLabel(ToDialog(owner.runtime(), owner.runtime().texts[18]),
                              {12, 10, kWidth - 24, 20})),
      List1(dialog_.AddListBox({12, 36, kWidth - 24, 194})),
      Command2(dialog_.AddButton(ToDialog(owner.runtime(), owner.runtime().texts[19]), 1,
                                 {12, 242, 110, 26}, true)),
      Command1(dialog_.AddButton(ToDialog(owner.runtime(), owner.runtime().texts[11]), 0,
                                 {kWidth - 122, 242, 110, 26}, false, true)) {
  Command2.on.click = [this](platform::Element&) { Command2_Click(); };
  Command1.on.click = [this](platform::Element&) { Command1_Click(); };
  List1.on.dbl_click = [this](platform::Element&) {
    if (List1.list_index() >= 0) Command2_Click();
  };
  // The close box cancels, as the Cancel button does.
  dialog_.form().on.close = [this](platform::Form&) { Command1_Click(); };
}

void LoadDialog::LoadSaveGames() {
  List1.Clear();
  entries_ = owner_.files().List();
  for (const auto& entry : entries_) List1.AddItem(ToDialog(owner_.runtime(), entry.name));
}

void LoadDialog::ShowModal() {
  dialog_.form().Focus(&List1);
  owner_.LoadDialogShown = true;
  dialog_.ShowModal();
  owner_.LoadDialogShown = false;
  dialog_.form().Close();
}

void LoadDialog::Command2_Click() {
  GameRuntime& rt = owner_.runtime();
  const int index = List1.list_index();
  if (index < 0 || index >= static_cast<int>(entries_.size())) {
    platform::MessageStyle style;
    style.icon = platform::MessageIcon::kInformation;
    rt.ShowMessage(rt.texts[9], rt.texts[17], style);
    return;
  }
  owner_.LoadGame(entries_[static_cast<size_t>(index)], &dialog_.form());
}

void LoadDialog::Command1_Click() {
  owner_.Cancelled = true;
  dialog_.End(0);
}

}  // namespace sw
