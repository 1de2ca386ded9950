// Input for headless games in tests: dialogs answered with Enter while virtual time moves on
// every idle pass, mouse events at frame pixels, and installing recording stand-ins.
#pragma once

#include <memory>
#include <string>
#include <utility>

#include "test_support/headless_game.h"

namespace sw::testing {

// Presses Enter in any open dialog; otherwise lets `tick_ms` of game time pass, so pauses,
// slides and timers run out.
class DialogsAndTicks : public platform::InputSource {
 public:
  int tick_ms = 10;
  bool Poll(platform::Platform& platform) override {
    if (platform.desktop().top_modal() != nullptr) return answers_.Poll(platform);
    platform.virtual_clock()->Advance(tick_ms);
    return true;
  }

 private:
  AnswerDialogsWithEnter answers_;
};

// Queues a mouse event at a pixel of the frame (not of the screen).
inline void PostAtFrame(HeadlessGame& game, platform::InputEvent::Kind kind, int x, int y,
                        int button = 0) {
  const platform::Rect frame = game.platform.desktop().FrameRect();
  platform::InputEvent e;
  e.kind = kind;
  e.position = {frame.x + x, frame.y + y};
  e.button = button;
  game.platform.events().Post(e);
}

// A press and release at a pixel of the frame, then one event-loop pass to run them.
inline void ClickAtFrame(HeadlessGame& game, int x, int y, int button = platform::kLeftButton) {
  PostAtFrame(game, platform::InputEvent::Kind::kMouseDown, x, y, button);
  PostAtFrame(game, platform::InputEvent::Kind::kMouseUp, x, y, button);
  game.platform.DoEvents();
}

// Runs the event loop until `ms` of game time have passed; the input source moves the clock.
inline void RunFor(HeadlessGame& game, int ms) {
  const auto until = game.platform.clock().NowMs() + ms;
  while (game.platform.clock().NowMs() < until) game.platform.DoEvents();
}

// Puts a service in its subsystem slot and keeps a plain pointer for the test to inspect.
template <typename Slot, typename Service>
Service* Install(Slot& slot, std::unique_ptr<Service> service) {
  Service* raw = service.get();
  slot = std::move(service);
  return raw;
}

// The standard error text with a detail, as the default interface texts build it.
inline std::string StandardError(const std::string& detail) {
  return "An error has occurred. The program may not work properly. Press 'Esc' and the click "
         "'Exit' to quit.\r\n\r\nError description:" +
         detail;
}

}  // namespace sw::testing
