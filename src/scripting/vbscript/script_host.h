// What the embedding program supplies to scripts besides its objects: the user-interface
// functions MsgBox and InputBox. A host without UI leaves the defaults.
#pragma once

#include <optional>
#include <string>

#include "base/code_page.h"

namespace sw::vbs {

class FileAccess;  // library: lib_file_access.h

class ScriptHost {
 public:
  virtual ~ScriptHost() = default;
  // Shows a message; returns the button code (vbOK = 1 ...). Default: no UI, returns vbOK.
  virtual int MsgBox(const std::string& prompt, int buttons, const std::string& title) {
    (void)prompt, (void)buttons, (void)title;
    return 1;
  }
  // Asks for text; nullopt when cancelled. Default: no UI, returns the default text.
  virtual std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                              const std::string& default_text) {
    (void)prompt, (void)title;
    return default_text;
  }
  // library: where FileSystemObject may read and write; null = the default policy
  // (lib_file_access.h: paths as given, no writes).
  virtual const FileAccess* file_access() const { return nullptr; }
  // The game's ANSI code page: Asc, Chr and FileSystemObject's ANSI text files use it.
  virtual const CodePage& code_page() const { return Windows1252(); }
};

}  // namespace sw::vbs
