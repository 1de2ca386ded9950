// The one event loop: DoEvents passes (input, due timers, repaint), nested modal loops, quit.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>

#include "platform/input.h"

namespace sw::platform {

class Platform;

// Something besides the window that produces input: the automation script. The loop polls
// it once per pass while no input is waiting.
class InputSource {
 public:
  virtual ~InputSource() = default;
  // Does at most one step (queue events, advance the clock...); true if it did something.
  virtual bool Poll(Platform& platform) = 0;
};

class EventLoop {
 public:
  explicit EventLoop(Platform& platform) : platform_(platform) {}

  // One pass: collect input, poll the input source when no input waits, dispatch input,
  // fire due timers in due order, repaint when something changed. True if anything happened.
  bool DoEvents();
  // Runs passes until `done` returns true or the program quits; idles between passes.
  void RunModal(const std::function<bool()>& done);
  // Runs until the program quits.
  void Run() {
    RunModal([] { return false; });
  }
  // How many RunModal loops are running now.
  int depth() const { return depth_; }

  // Ends every loop. The first exit code given is kept.
  void RequestQuit(int exit_code = 0);
  bool quit_requested() const { return quit_; }
  // Lets loops run again after a quit that ended only one part of the program (a game
  // started from the game library).
  void ResetQuit() {
    quit_ = false;
    exit_code_ = 0;
  }
  int exit_code() const { return exit_code_; }

  // Input from scripts enters here, then goes the same way as the window's input.
  void Post(InputEvent event) { queue_.push_back(std::move(event)); }
  bool input_pending() const { return !queue_.empty(); }
  void SetInputSource(InputSource* source) { source_ = source; }
  // Number of passes made so far.
  std::uint64_t passes() const { return passes_; }

 private:
  bool FireTimers();
  void Idle();

  Platform& platform_;
  std::deque<InputEvent> queue_;
  InputSource* source_ = nullptr;
  bool quit_ = false;
  int exit_code_ = 0;
  int depth_ = 0;
  std::uint64_t passes_ = 0;
};

}  // namespace sw::platform
