#include "shell/debug_keys.h"

#include "platform/input.h"

namespace sw::shell {

namespace {
constexpr int kF2 = platform::keys::kF1 + 1;
constexpr int kF4 = platform::keys::kF1 + 3;
constexpr int kF6 = platform::keys::kF1 + 5;
constexpr int kF9 = platform::keys::kF1 + 8;
}  // namespace

bool DebugKeySequence::Press(int keyCode) {
  static constexpr int kSequence[] = {kF2, kF9, kF4, kF6};
  if (keyCode != kSequence[state_]) {
    state_ = 0;
    return false;
  }
  if (state_ == 3) {
    state_ = 0;
    return true;
  }
  ++state_;
  return false;
}

}  // namespace sw::shell
