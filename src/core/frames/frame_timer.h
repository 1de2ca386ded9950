// Turns a frame file's timer delay (seconds as text, fractions allowed) into the frame
// timer's interval in milliseconds.
#pragma once

#include <cstdint>

#include "variant/variant.h"

namespace sw {

// The numeric value of the delay × 1000, rounded half to even to a 32-bit integer. A delay
// that is not a number counts as 0; a result beyond 32 bits throws VbError 6 (Overflow).
int32_t FrameTimerInterval(const Variant& delay);

}  // namespace sw
