// The save dialog frmSaveGame: the saved games listed from the oldest to the newest, a name
// typed or picked, saving, replacing and removing.
#pragma once

#include <string>
#include <vector>

#include "platform/dialog.h"
#include "savegames/save_files.h"

namespace sw {

class SavedGames;

class SaveDialog {
 public:
  explicit SaveDialog(SavedGames& owner);

  // Fills the list with the saved games.
  void LoadSaveGames();
  // Runs the dialog until it is hidden.
  void ShowModal();

  // The buttons: save under the typed name, remove the selected saved game, cancel.
  void Command2_Click();
  void Command3_Click();
  void Command1_Click();

  platform::Dialog& dialog() { return dialog_; }

 private:
  SavedGames& owner_;
  platform::Dialog dialog_;
  platform::LabelElement& Label2;
  platform::TextFieldElement& Text1;
  platform::ListBoxElement& List1;
  platform::ButtonElement& Command2;
  platform::ButtonElement& Command3;
  platform::ButtonElement& Command1;
  std::vector<SavedGameEntry> entries_;
};

}  // namespace sw
