// A short line of the player's own in the game window's banner area (what the screenshot key
// did), shown for a moment in elements of its own, so the game's banner stays as it is.
#pragma once

#include <memory>
#include <string>

#include "platform/label.h"
#include "platform/picture_box.h"
#include "platform/timer.h"

namespace sw {
class GameWindow;
}

namespace sw::shell {

class ScreenshotNotice {
 public:
  // Adds the notice's band, text and timer to the game window's form.
  explicit ScreenshotNotice(GameWindow& window);
  // The timer, if its form still lives, no longer calls back.
  ~ScreenshotNotice();
  ScreenshotNotice(const ScreenshotNotice&) = delete;
  ScreenshotNotice& operator=(const ScreenshotNotice&) = delete;

  // Shows `text` for kShowMs, at the bottom of the frame, or just above the game's banner
  // while that shows.
  void Show(const std::string& text);
  void Hide();
  bool visible() const;
  std::string text() const;

  static constexpr int kShowMs = 3000;

 private:
  // The elements belong to the game window's form; they are reached only while it lives.
  std::weak_ptr<platform::Element> frame_;
  std::weak_ptr<platform::Element> game_banner_;
  std::weak_ptr<platform::Element> band_;
  std::weak_ptr<platform::Element> label_;
  std::weak_ptr<platform::Element> timer_;
};

}  // namespace sw::shell
