// Font descriptions as the game's controls carry them, and measuring and drawing text in them.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/pixmap.h"

namespace sw::platform {

// A font as a control's Font property describes it. Size is in points at 96 dpi.
struct Font {
  std::string name = "MS Sans Serif";
  double size = 8.25;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikethrough = false;
  friend bool operator==(const Font&, const Font&) = default;
};

// Splits text at CR LF (and lone CR or LF) into lines.
std::vector<std::string> SplitLines(std::string_view text);

// Finds font files through fontconfig, keeps them open, measures and renders UTF-8 text.
class TextEngine {
 public:
  TextEngine();
  ~TextEngine();
  TextEngine(const TextEngine&) = delete;
  TextEngine& operator=(const TextEngine&) = delete;

  // The file a font family resolves to ("Arial" -> a metric-compatible sans face).
  std::string FontFile(const Font& font);
  // Height of one line in pixels (ascent + descent, as the original's text height).
  int LineHeight(const Font& font);
  // Width in pixels of one line of text.
  int LineWidth(const Font& font, std::string_view line);
  // Breaks `text` at line breaks and, when `wrap_width` > 0, between words so that no
  // line is wider than `wrap_width` pixels (a single longer word stays whole).
  std::vector<std::string> Layout(const Font& font, std::string_view text, int wrap_width);
  // The alpha mask of one rendered line (white with coverage in alpha); empty for "".
  const Pixmap& RenderLine(const Font& font, std::string_view line);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace sw::platform
