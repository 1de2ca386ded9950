// Where the interaction files of a frame lie, and small reading helpers they share: the
// ".mr?" file of a merged frame wins over the ".fm?" file of the same frame.
#pragma once

#include <string>

#include "variant/variant.h"

namespace sw {

class GameRuntime;
class ValueReader;

// The path of a frame's file with `extension`, or "" when it does not exist.
std::string ExistingFrameFile(GameRuntime& runtime, const std::string& frame,
                              const std::string& extension);
// The ".mr?" file when it exists, else the ".fm?" file, else "" (`digit` is '1', '2' or '3').
std::string MergedOrFrameFile(GameRuntime& runtime, const std::string& frame, char digit);

// Reads values up to and including the record separator (or to the end of the file).
void SkipToSeparator(ValueReader& reader);
// Reads and throws away `count` values.
void SkipValues(ValueReader& reader, int count);
// A stored count (of names in a list): a number rounded to a whole one, 0 or less = none.
int32_t ReadCount(ValueReader& reader);

// A flag stored as a number or any value: on when it is not 0 (13 Type mismatch for text
// that is no number).
bool IsOn(const Variant& value);
// A value equal to the number 1.
bool EqualsOne(const Variant& value);

}  // namespace sw
