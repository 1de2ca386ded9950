#include "platform/tool_tip.h"

#include <algorithm>

#include "platform/canvas.h"
#include "platform/element.h"
#include "platform/font.h"

namespace sw::platform {
namespace {

constexpr Argb kTipBackground = 0xFFFFFFE1u;  // the system's tool tip colours
constexpr Argb kTipText = 0xFF000000u;
constexpr Argb kTipBorder = 0xFF000000u;
constexpr int kPadding = 2;
// The tip stands below the arrow pointer, which reaches this far under its hot spot.
constexpr int kBelowPointer = 20;

Font TipFont() {
  Font f;
  f.name = "Tahoma";
  f.size = 8.25;
  return f;
}

}  // namespace

void ToolTip::Track(Element* element, bool pressed, std::int64_t now_ms) {
  std::shared_ptr<Element> current = element_.lock();
  if (current.get() != element) {
    element_ = element != nullptr ? element->weak_from_this() : std::weak_ptr<Element>();
    rest_since_ = now_ms;
    dismissed_ = false;
  } else if (!pressed && now_ms - rest_since_ < kDelayMs) {
    rest_since_ = now_ms;  // not at rest yet: the wait starts again
  }
  if (pressed) dismissed_ = true;
}

std::string ToolTip::Showing(std::int64_t now_ms) const {
  std::shared_ptr<Element> element = element_.lock();
  if (!element || dismissed_ || element->form() == nullptr || !element->visible()) return {};
  const std::int64_t rest = now_ms - rest_since_;
  if (rest < kDelayMs || rest >= kDelayMs + kShownMs) return {};
  return element->tool_tip_text();
}

void ToolTip::Paint(Pixmap& surface, TextEngine& engine, const std::string& text, Point pointer) {
  const Font font = TipFont();
  const std::vector<std::string> lines = engine.Layout(font, text, 0);
  if (lines.empty()) return;
  int width = 0;
  for (const std::string& line : lines) width = std::max(width, engine.LineWidth(font, line));
  const int line_height = engine.LineHeight(font);
  Rect box{pointer.x, pointer.y + kBelowPointer, width + 2 * (kPadding + 1),
           static_cast<int>(lines.size()) * line_height + 2 * (kPadding + 1)};
  // Kept on the surface: moved left and, when there is no room below, above the pointer.
  box.x = std::max(0, std::min(box.x, surface.width() - box.w));
  if (box.bottom() > surface.height()) box.y = std::max(0, pointer.y - box.h);
  Canvas canvas(surface, engine, {0, 0}, surface.bounds());
  canvas.FillRect(box, kTipBackground);
  canvas.Outline(box, kTipBorder);
  for (size_t i = 0; i < lines.size(); ++i) {
    canvas.DrawText(
        font, lines[i],
        {box.x + kPadding + 1, box.y + kPadding + 1 + static_cast<int>(i) * line_height}, kTipText);
  }
}

}  // namespace sw::platform
