// The message box and the input box, drawn with our own widgets and recorded for the dump.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sw::platform {

class Platform;

enum class MessageIcon { kNone, kCritical, kQuestion, kWarning, kInformation };
enum class MessageButtons { kOk, kOkCancel, kAbortRetryIgnore, kYesNoCancel, kYesNo, kRetryCancel };
// Numbered as the original's message box answers.
enum class MessageResult {
  kOk = 1,
  kCancel = 2,
  kAbort = 3,
  kRetry = 4,
  kIgnore = 5,
  kYes = 6,
  kNo = 7
};

struct MessageStyle {
  MessageButtons buttons = MessageButtons::kOk;
  MessageIcon icon = MessageIcon::kNone;
  int default_button = 0;  // 0 = first button, 1 = second ...
};

// Decodes the original's style number: buttons + 16/32/48/64 icon + 256/512 default button.
MessageStyle MessageStyleFromVb(int style);
// "critical", "question", "warning", "information" or "none".
const char* IconName(MessageIcon icon);

// Shows a modal message box and returns the button pressed. While the program quits it
// returns at once with the cancelling answer (Cancel, No, or OK for a lone OK).
MessageResult ShowMessageBox(Platform& platform, std::string_view text, std::string_view title,
                             MessageStyle style = {});

// Shows a modal input box; the text entered for OK, nothing for Cancel.
std::optional<std::string> ShowInputBox(Platform& platform, std::string_view prompt,
                                        std::string_view title, std::string_view default_text);

}  // namespace sw::platform
