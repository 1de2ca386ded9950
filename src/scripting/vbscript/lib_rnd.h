// The generator behind Rnd and Randomize: a 24-bit linear congruential sequence whose state
// the engine's runtime keeps, so that seeded sequences repeat as scripts expect.
#pragma once

#include <cstdint>

#include "variant/dispatch.h"

namespace sw::vbs::lib {

class RndState {
 public:
  // Rnd(n): n > 0 or none advances, 0 repeats the last value, n < 0 seeds from n first.
  float Next(double n = 1.0);
  // Randomize [n]: mixes n (or the Timer value without arguments) into the seed; the low
  // byte of the old seed survives.
  void Randomize(Args args);
  void Seed(double n);
  uint32_t seed() const { return seed_; }

 private:
  void Advance();
  uint32_t seed_ = 0x50000;
};

// Seconds since local midnight, with fraction (the Timer function).
double SecondsSinceMidnight();

}  // namespace sw::vbs::lib
