// The scrambled form of a project's procedures file: each line is stored reversed and shifted
// by a key table and the sum of the project's settings name, so that casual readers of the
// game folder do not see its scripts.
#pragma once

#include <cstdint>
#include <string>

namespace sw {

// The sum of the character codes of the settings section name, as a 16-bit total; an
// addition that would overflow is skipped and the sum goes on.
int16_t ProjectNameSum(const std::string& settingsSection);

// Turns one stored line back into source text. The first character only carries the start
// offset; the rest comes out in reverse order. Characters outside 32..126 pass unchanged.
std::string UnscrambleLine(const std::string& line, int16_t nameSum);

// The inverse, for writing scrambled procedure files: `first` is the printable character
// that carries the start offset. Throws std::invalid_argument for a '~', which the stored
// form cannot hold (it unscrambles as a blank).
std::string ScrambleLine(const std::string& text, int16_t nameSum, char first = 'A');

}  // namespace sw
