#include "core/frames/frame_timer.h"

#include <cmath>

namespace sw {

int32_t FrameTimerInterval(const Variant& delay) {
  double seconds = 0;
  try {
    seconds = delay.ToDouble();
  } catch (const VbError& e) {
    if (e.number() != vberr::kTypeMismatch) throw;
    seconds = 0;  // text that is no number: the timer runs with interval 0 and never fires
  }
  return Variant(seconds * 1000.0).ToLong();
}

}  // namespace sw
