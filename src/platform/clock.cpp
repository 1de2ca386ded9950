#include "platform/clock.h"

#include <cmath>
#include <ctime>

namespace sw::platform {

RealClock::RealClock() : start_(std::chrono::steady_clock::now()) {}

std::int64_t RealClock::NowMs() const {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                               start_)
      .count();
}

double RealClock::SecondsSinceMidnight() const {
  auto now = std::chrono::system_clock::now();
  std::time_t t = std::chrono::system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&t, &local);
  auto ms =
      std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
  return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + ms / 1000.0;
}

double VirtualClock::SecondsSinceMidnight() const {
  return std::fmod(start_seconds_ + static_cast<double>(now_ms_) / 1000.0, 86400.0);
}

}  // namespace sw::platform
