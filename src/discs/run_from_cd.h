// frmRunFromCD: the modal window that asks for a disc. It lists the drives (folders of discs
// and removable media, disc folders beside the game) with their kinds; the text box above the
// list holds the chosen folder and may be typed into. OK keeps a folder that exists as the
// setting "DriveLetter"; Cancel stops the game.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "discs/drives.h"
#include "platform/dialog.h"

namespace sw {

class GameRuntime;

class RunFromCDWindow {
 public:
  // Lays out the window and fills the drive list, the last optical disc selected.
  RunFromCDWindow(GameRuntime& runtime, std::vector<Drive> drives);

  // The box's text: the folder proposed (the list entry of that folder is selected too).
  void SetDrive(const std::string& root);
  // The prompt above the box (game code page).
  void SetMessage(const std::string& text);

  // Shows the window modally. True when OK closed it (the setting holds the folder); false
  // when it was cancelled, which sets StopRequested, as does the end of the program.
  bool ShowModal();

  // OK: keeps the folder of the box when it is one and closes; otherwise stays open.
  void PressOK();
  // Cancel: sets StopRequested and closes.
  void PressCancel();

  platform::Form& form() { return dialog_.form(); }
  platform::ListBoxElement& Combo1() { return *list_; }
  platform::TextFieldElement& DriveBox() { return *box_; }
  platform::LabelElement& Message() { return *message_; }

 private:
  // The folder the box names: "~/" is the home folder, a relative name lies beside the game
  // folder; letter case is ignored. "" when the box is empty.
  std::string TypedRoot() const;

  GameRuntime& runtime_;
  std::vector<Drive> drives_;
  platform::Dialog dialog_;
  platform::LabelElement* message_ = nullptr;
  platform::LabelElement* lblDrive_ = nullptr;
  platform::TextFieldElement* box_ = nullptr;
  platform::ListBoxElement* list_ = nullptr;
};

}  // namespace sw
