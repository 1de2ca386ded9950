#include "scripting/vbscript/lib_rnd.h"

#include <chrono>
#include <cmath>
#include <cstring>
#include <ctime>

namespace sw::vbs::lib {

void RndState::Advance() {
  seed_ = (seed_ * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFFu;
}

float RndState::Next(double n) {
  if (n < 0) {
    float f = static_cast<float>(n);
    uint32_t b;
    std::memcpy(&b, &f, sizeof b);
    seed_ = (b + (b >> 24)) & 0xFFFFFFu;
  }
  if (n != 0) Advance();
  return static_cast<float>(static_cast<double>(seed_) / 16777216.0);
}

void RndState::Seed(double n) {
  uint64_t bits;
  std::memcpy(&bits, &n, sizeof bits);
  uint32_t h = static_cast<uint32_t>(bits >> 32);
  seed_ = ((seed_ & 0xFFu) | (((h & 0xFFFFu) ^ (h >> 16)) << 8)) & 0xFFFFFFu;
}

void RndState::Randomize(Args args) {
  if (args.empty() || args.IsMissing(0))
    Seed(static_cast<float>(SecondsSinceMidnight()));
  else
    Seed(args[0].ToDouble());
}

double SecondsSinceMidnight() {
  using namespace std::chrono;
  auto now = system_clock::now();
  std::time_t t = system_clock::to_time_t(now);
  std::tm local = *std::localtime(&t);
  double frac = duration<double>(now.time_since_epoch()).count();
  frac -= std::floor(frac);
  return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + frac;
}

}  // namespace sw::vbs::lib
