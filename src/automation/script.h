// The automation script: one command per line, parsed and checked before the run starts.
#pragma once

#include <istream>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace sw::automation {

struct Command {
  enum class Kind {
    kClick,
    kMove,
    kDrag,
    kKey,
    kWait,
    kDialogPress,
    kDialogType,
    kDialogSelect,
    kScreenshot,
    kDump,
    kQuit,
  };
  Kind kind = Kind::kQuit;
  int line = 0;
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // pixels of the frame picture
  bool right = false;                  // click with the right button
  int key_code = 0;
  int shift = 0;     // shift-state bits of the key's modifiers
  long long ms = 0;  // wait
  std::string text;  // caption, text, list entry or file name
};

struct ScriptError {
  int line = 0;
  std::string reason;
  // "line 4: unknown command 'clik'"
  std::string Describe() const;
};

// Parses a whole script; the first malformed line is the error.
std::variant<std::vector<Command>, ScriptError> ParseScript(std::istream& in);
std::variant<std::vector<Command>, ScriptError> ParseScript(const std::string& text);

}  // namespace sw::automation
