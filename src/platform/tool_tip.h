// The tool tip of the control under a resting pointer: after half a second at rest its
// ToolTipText shows in a small box under the pointer, for five seconds, until the pointer
// moves to another control or a button is pressed over it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/geometry.h"
#include "platform/pixmap.h"

namespace sw::platform {

class Element;
class TextEngine;

class ToolTip {
 public:
  static constexpr std::int64_t kDelayMs = 500;
  static constexpr std::int64_t kShownMs = 5000;

  // The pointer moved over `element` (nullptr: over no control, or a dialog takes input);
  // `pressed` when a button went down.
  void Track(Element* element, bool pressed, std::int64_t now_ms);
  // The text showing at `now_ms`; "" when none is.
  std::string Showing(std::int64_t now_ms) const;
  // Draws `text` in its box below the pointer, kept inside the surface.
  static void Paint(Pixmap& surface, TextEngine& engine, const std::string& text, Point pointer);

  // Whether the picture last put on the display showed a tip.
  bool painted = false;

 private:
  std::weak_ptr<Element> element_;
  std::int64_t rest_since_ = 0;
  bool dismissed_ = false;
};

}  // namespace sw::platform
