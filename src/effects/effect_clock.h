// The rippling water's own clock: milliseconds since it was last restarted, read from the
// program's clock (so a virtual clock makes the water repeatable).
#pragma once

#include <cstdint>

#include "platform/clock.h"

namespace sw::effects {

class EffectClock {
 public:
  explicit EffectClock(const platform::Clock& clock) : clock_(clock), start_(clock.NowMs()) {}
  void Restart() { start_ = clock_.NowMs(); }
  std::int64_t ElapsedMs() const { return clock_.NowMs() - start_; }

 private:
  const platform::Clock& clock_;
  std::int64_t start_;
};

}  // namespace sw::effects
