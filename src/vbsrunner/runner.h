// Runs script files the way a host does: one engine, each file added as its own text and run
// as global code, with a WScript object (Echo) and a MsgBox that prints its prompt.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

namespace sw::vbsrunner {

struct ScriptFile {
  std::string name;  // shown in error messages
  std::string text;  // Windows-1252
};

// Runs the files in order, in the locale `lcid` (a Windows locale ID; an unknown one leaves
// US English); output and error text are UTF-8. Returns 0, or 1 after an error.
int RunScripts(const std::vector<ScriptFile>& files, std::ostream& out, std::ostream& err,
               int timeout_ms = -1, int32_t lcid = 1033);

}  // namespace sw::vbsrunner
