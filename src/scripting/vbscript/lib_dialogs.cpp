#include "scripting/vbscript/lib_dialogs.h"

namespace sw::vbs {

MsgBoxStyle DecodeMsgBox(int flags) {
  using namespace msgbox;
  MsgBoxStyle s;
  switch (flags & 0xF) {
    case 1:
      s.buttons = {kOK, kCancel};
      s.cancel_code = kCancel;
      break;
    case 2:
      s.buttons = {kAbort, kRetry, kIgnore};
      break;
    case 3:
      s.buttons = {kYes, kNo, kCancel};
      s.cancel_code = kCancel;
      break;
    case 4:
      s.buttons = {kYes, kNo};
      break;
    case 5:
      s.buttons = {kRetry, kCancel};
      s.cancel_code = kCancel;
      break;
    default:
      s.buttons = {kOK};
      s.cancel_code = kOK;
      break;
  }
  switch (flags & 0x70) {
    case 16:
      s.icon = MsgBoxIcon::kCritical;
      break;
    case 32:
      s.icon = MsgBoxIcon::kQuestion;
      break;
    case 48:
      s.icon = MsgBoxIcon::kExclamation;
      break;
    case 64:
      s.icon = MsgBoxIcon::kInformation;
      break;
    default:
      break;
  }
  int def = (flags & 0x300) >> 8;
  s.default_index = def < static_cast<int>(s.buttons.size()) ? def : 0;
  s.system_modal = (flags & 4096) != 0;
  s.help_button = (flags & 16384) != 0;
  s.right_aligned = (flags & 524288) != 0;
  s.right_to_left = (flags & 1048576) != 0;
  return s;
}

}  // namespace sw::vbs
