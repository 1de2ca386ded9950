// The load dialog frmLoadGame: the saved games listed as the save dialog lists them; loading
// the selected one, or cancelling.
#pragma once

#include <vector>

#include "platform/dialog.h"
#include "savegames/save_files.h"

namespace sw {

class SavedGames;

class LoadDialog {
 public:
  explicit LoadDialog(SavedGames& owner);

  void LoadSaveGames();
  // Runs the dialog until it is closed.
  void ShowModal();

  // Loads the selected saved game (also a double click on it); cancels.
  void Command2_Click();
  void Command1_Click();

 private:
  SavedGames& owner_;
  platform::Dialog dialog_;
  platform::LabelElement& Label1;
  platform::ListBoxElement& List1;
  platform::ButtonElement& Command2;
  platform::ButtonElement& Command1;
  std::vector<SavedGameEntry> entries_;
};

}  // namespace sw
