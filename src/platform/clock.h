// Time for the whole program: a real clock, or a virtual one that only the automation moves.
#pragma once

#include <chrono>
#include <cstdint>

namespace sw::platform {

class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds since the clock was made; never goes backwards.
  virtual std::int64_t NowMs() const = 0;
  // Seconds since local midnight, with fractions, as the game's timing code reads it.
  virtual double SecondsSinceMidnight() const = 0;
  virtual bool is_virtual() const = 0;
};

class RealClock final : public Clock {
 public:
  RealClock();
  std::int64_t NowMs() const override;
  double SecondsSinceMidnight() const override;
  bool is_virtual() const override { return false; }

 private:
  std::chrono::steady_clock::time_point start_;
};

// Time stands still until Advance() is called, so runs repeat exactly.
class VirtualClock final : public Clock {
 public:
  // The virtual day starts at `start_seconds` after midnight (10:00 by default, far from
  // the midnight wrap that would disturb "seconds since midnight" arithmetic).
  explicit VirtualClock(double start_seconds = 36000.0) : start_seconds_(start_seconds) {}
  std::int64_t NowMs() const override { return now_ms_; }
  double SecondsSinceMidnight() const override;
  bool is_virtual() const override { return true; }
  void Advance(std::int64_t ms) {
    if (ms > 0) now_ms_ += ms;
  }

 private:
  double start_seconds_;
  std::int64_t now_ms_ = 0;
};

}  // namespace sw::platform
