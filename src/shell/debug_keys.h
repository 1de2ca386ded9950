// The key sequence F2, F9, F4, F6 that reveals the game window's Debug menu.
#pragma once

namespace sw::shell {

class DebugKeySequence {
 public:
  // Feeds one key press; true when it completed the sequence. Any key out of order starts
  // over from nothing, so a repeated first key does not begin the sequence again.
  bool Press(int keyCode);
  int state() const { return state_; }

 private:
  int state_ = 0;
};

}  // namespace sw::shell
