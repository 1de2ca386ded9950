// Decoding of a MsgBox buttons value for the host's message box: buttons, icon, default
// button and the codes (vbOK ... vbNo) they return.
#pragma once

#include <vector>

namespace sw::vbs {

namespace msgbox {
inline constexpr int kOK = 1, kCancel = 2, kAbort = 3, kRetry = 4, kIgnore = 5, kYes = 6, kNo = 7;
}  // namespace msgbox

enum class MsgBoxIcon { kNone, kCritical, kQuestion, kExclamation, kInformation };

struct MsgBoxStyle {
  // The buttons from left to right, as the codes they return (vbOK, vbCancel ...).
  std::vector<int> buttons;
  MsgBoxIcon icon = MsgBoxIcon::kNone;
  int default_index = 0;  // 0-based index into `buttons`
  // The code Escape or closing the box returns; 0 when the box cannot be dismissed that way.
  int cancel_code = 0;
  bool system_modal = false;
  bool help_button = false;
  bool right_aligned = false;
  bool right_to_left = false;
};

// Decodes a MsgBox buttons value (vbYesNo + vbQuestion + vbDefaultButton2 ...) for a host's
// ScriptHost::MsgBox, whose empty title means the host's own caption (the game's title).
// Unknown button groups show OK; a default beyond the last button selects the first.
MsgBoxStyle DecodeMsgBox(int flags);

}  // namespace sw::vbs
