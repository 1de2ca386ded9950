// Small routines on file names and stored script text shared by every subsystem.
#pragma once

#include <cstdint>
#include <string>

namespace sw {

// The part after the last path separator ("\" or "/"); the whole text when there is none.
std::string FileTitle(const std::string& path);

// Replaces a known extension (".bmp", ".wav" ...; compared without regard to case) by its
// numbered twin (".004", ".010" ...); other paths come back unchanged.
std::string AlternateExtension(const std::string& path);

// Stored scripts write double quotes as "|"; this turns them back.
std::string UnescapeScriptText(const std::string& text);

// The number a text starts with (blanks skipped, "&H" hex allowed), 0 when there is none:
// how the original read numbers out of settings and colour fields.
double ValOf(const std::string& text);

inline int32_t ClampToZero(int32_t value) {
  return value < 0 ? 0 : value;
}

}  // namespace sw
