// Small reading helpers shared by the readers of project files: skipping values and records,
// stored counts, and flags stored as numbers or any value.
#pragma once

#include <cstdint>

#include "variant/variant.h"

namespace sw {

class ValueReader;

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
