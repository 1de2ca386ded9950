#include "core/project/interface_texts.h"

#include "base/vb_error.h"
#include "core/valuefile/value_reader.h"
#include "variant/variant.h"

namespace sw {

namespace {

struct DefaultText {
  int entry;
  const char* wording0;
  const char* wording1;  // nullptr = same as wording 0
};

constexpr DefaultText kDefaults[] = {
    {1, "Start", "Start New Game"},
    {2, "  Load...", "Load Game..."},
    {3, "Exit", nullptr},
    {4, "Created By:", nullptr},
    {5, "E-mail:", nullptr},
    {6, "Web site:", nullptr},
    {7, "Change display resolution to", nullptr},
    {8, "  Save...", "Save Game..."},
    {9, "Please select something.", nullptr},
    {10, "Do you really want to quit?", nullptr},
    {11, "Cancel", nullptr},
    {12, "Exit", nullptr},
    {13, "Do you want to open the default mail client to send an e-mail to:", nullptr},
    {14, "Do you want to visit", nullptr},
    {15, "(You must be connected to the Internet)", nullptr},
    {16, "", nullptr},
    {17, "Load", "Load a previously saved game"},
    {18, "Select the file you wish to load and click 'LOAD'",
     "Select the game you wish to load and click 'LOAD'"},
    {19, "LOAD", nullptr},
    {20, "", nullptr},
    {21, "Save", "Save the current game"},
    {22, "Remove Selected", nullptr},
    {23, "Enter the name of the file you want to save",
     "Enter the name of the game you want to save"},
    {24, "already exists. Do you want to replace it?", nullptr},
    {25, "SAVE", nullptr},
    {26, "Remove Saved File", "Remove Saved Game"},
    {27, "Do you really want to remove", nullptr},
    {28, "", nullptr},
    {29, "Error", nullptr},
    {30,
     "An error has occurred. The program may not work properly. Press 'Esc' and the click "
     "'Exit' to quit.",
     "An error has occurred. The game may not work properly. Press 'Esc' and the click 'Exit' "
     "to quit."},
    {31, "Error description:", nullptr},
    {32, "Do you want to continue anyway? (not recommended)", nullptr},
    {33, "The following file is missing:", nullptr},
    {34,
     "This file may have been moved or removed from its original location. The program may "
     "not work properly until the missing file is placed back in its original location. Press "
     "'Esc' and the click 'Exit' to quit.",
     "This file may have been moved or removed from its original location. The game may not "
     "work properly until the missing file is placed back in its original location. Press "
     "'Esc' and the click 'Exit' to quit."},
    {35, "Please do not use any of the following characters:", nullptr},
    {36, "Please insert the CD in the CD-Rom drive and then click 'OK'.",
     "Please insert the CD in the CD-ROM drive and then click 'OK'."},
    {37, "CD-Rom drive:", "CD-ROM Drive:"},
    {38,
     "The selected device is unavailable. Make sure that the CD-Rom drive letter is right and "
     "that the disk is properly inserted, and then try again.",
     "The selected device is unavailable. Make sure that the CD-ROM drive letter is right and "
     "that the disk is properly inserted, and then try again."},
    {39, "", nullptr},
    {40,
     "Warning! Your system is set to use large fonts. This program will NOT work properly if "
     "you don't change this setting. Do you want to continue anyway? (not recommended)",
     nullptr},
    {41,
     "To fix the problem, go to the 'Control Panel' (from the 'Settings' menu of the Start "
     "Menu), double-click 'Display', click the 'Settings' tab, click 'Advanced...', select "
     "'Small Fonts' under 'Font size', click 'OK', and then restart your computer.",
     nullptr},
    {42, "", nullptr},
    {43, "The following folder is missing:", nullptr},
    {44, "Make sure that the disk is properly inserted, and then try again.", nullptr},
    {45, "File Not Found:", nullptr},
    {46, "The file may be missing, or you may have inserted the wrong CD.", nullptr},
    {47, "Please insert the CD#", nullptr},
    {48, "in the CD-Rom drive and click OK to continue...", nullptr},
    {49, "Options", nullptr},
    {50, "Disable Transitions", nullptr},
    {51, "Disable Real-Time Effects", nullptr},
};

const std::string kEmpty;

}  // namespace

const std::string& InterfaceTexts::operator[](int n) const {
  if (n < 0 || n >= kCount) return kEmpty;
  return entries_[static_cast<size_t>(n)];
}

void InterfaceTexts::Set(int n, std::string text) {
  if (n < 0 || n >= kCount) throw VbError(vberr::kSubscriptOutOfRange);
  entries_[static_cast<size_t>(n)] = std::move(text);
}

void InterfaceTexts::SetDefaults(int wording) {
  for (const auto& d : kDefaults) {
    const char* text = (wording == 1 && d.wording1 != nullptr) ? d.wording1 : d.wording0;
    entries_[static_cast<size_t>(d.entry)] = text;
  }
}

void InterfaceTexts::Load(ValueReader& reader) {
  const Variant mode = reader.ReadVariant();
  // Only the numbers 0, 1 and 2 select a mode; anything else leaves the table alone.
  double m = 0;
  try {
    m = mode.ToDouble();
  } catch (const VbError&) {
    return;
  }
  if (m == 0) {
    SetDefaults(0);
  } else if (m == 1) {
    SetDefaults(1);
  } else if (m == 2) {
    SetDefaults(0);
    for (int i = 0; i < 5; ++i) reader.Skip();
    const int16_t count = reader.ReadInteger();
    if (count > kCount - 1) throw VbError(vberr::kSubscriptOutOfRange);
    for (int k = 1; k <= count; ++k)
      entries_[static_cast<size_t>(k)] = reader.ReadVariant().ToStringUtf8();
  }
}

std::string InterfaceTexts::StandardErrorText(const std::string& detail) const {
  return entries_[30] + "\r\n\r\n" + entries_[31] + detail;
}

}  // namespace sw
