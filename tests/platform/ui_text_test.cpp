// Text: font lookup by family, label auto-size from real metrics, line breaks, alignment,
// word wrap, and what a label puts on the composed surface.
#include <gtest/gtest.h>

#include "platform/label.h"
#include "ui_support.h"

namespace sw::platform {
namespace {

using testing::Place;
using testing::ShownForm;

std::string FileName(TextEngine& t, const std::string& family, bool bold = false) {
  Font f;
  f.name = family;
  f.bold = bold;
  return std::filesystem::path(t.FontFile(f)).filename().string();
}

TEST(FontTest, WindowsFamiliesReachMetricCompatibleFaces) {
  Platform platform;
  TextEngine& t = platform.text();
  EXPECT_EQ(FileName(t, "Arial"), "LiberationSans-Regular.ttf");
  EXPECT_EQ(FileName(t, "Times New Roman"), "LiberationSerif-Regular.ttf");
  EXPECT_EQ(FileName(t, "courier new"), "LiberationMono-Regular.ttf");
  EXPECT_EQ(FileName(t, "MS Sans Serif"), "LiberationSans-Regular.ttf");
  EXPECT_EQ(FileName(t, "Arial", true), "LiberationSans-Bold.ttf");
}

TEST(FontTest, SizesArePointsAt96DpiAndStylesChangeMetrics) {
  Platform platform;
  TextEngine& t = platform.text();
  Font small, big;
  small.name = big.name = "Arial";
  small.size = 9;
  big.size = 18;
  // Hinting rounds small sizes up a little; the ratio stays close to 2.
  double ratio =
      static_cast<double>(t.LineWidth(big, "Hello world")) / t.LineWidth(small, "Hello world");
  EXPECT_NEAR(ratio, 2.0, 0.15);
  // 12 points at 96 dpi is a 16-pixel em; Arial's line is about 1.15 em.
  Font twelve;
  twelve.name = "Arial";
  twelve.size = 12;
  EXPECT_NEAR(t.LineHeight(twelve), 18, 1);
  Font bold = twelve;
  bold.bold = true;
  EXPECT_GT(t.LineWidth(bold, "Wide text"), t.LineWidth(twelve, "Wide text"));
  EXPECT_EQ(t.LineWidth(twelve, ""), 0);
}

// True when two rendered lines have the same size and pixels.
bool SamePixels(const Pixmap& a, const Pixmap& b) {
  if (a.width() != b.width() || a.height() != b.height()) return false;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.Pixel(x, y) != b.Pixel(x, y)) return false;
  return true;
}

TEST(FontTest, CharactersTheFontLacksComeFromAFontThatHasThem) {
  Platform platform;
  TextEngine& t = platform.text();
  Font arial;
  arial.name = "Arial";
  arial.size = 14;
  // Without a fallback both would be the same empty box of the Latin font.
  const Pixmap sun = t.RenderLine(arial, "日");
  const Pixmap book = t.RenderLine(arial, "本");
  EXPECT_FALSE(SamePixels(sun, book));
  const Pixmap box1 = t.RenderLine(arial, "\uE000");
  EXPECT_FALSE(SamePixels(sun, box1));
  // Latin and Japanese in one line share the baseline and add up their widths.
  const int mixed = t.LineWidth(arial, "Ab日本");
  EXPECT_EQ(mixed, t.LineWidth(arial, "Ab") + t.LineWidth(arial, "日本"));
  EXPECT_GE(t.RenderLine(arial, "Ab日本").width(), mixed - 1);
  EXPECT_GT(t.LineWidth(arial, "日本"), t.LineWidth(arial, "Ab"));
}

TEST(FontTest, SplitsLinesAtCrLfAndLoneBreaks) {
  EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("end\r\n"), (std::vector<std::string>{"end", ""}));
  EXPECT_EQ(SplitLines(""), (std::vector<std::string>{""}));
}

class LabelTest : public ::testing::Test {
 protected:
  Platform platform_;
  std::shared_ptr<Form> form_ = ShownForm(platform_, 400, 300);
  LabelElement& label_ = form_->Add<LabelElement>("Label");
  TextEngine& text_ = platform_.text();
};

TEST_F(LabelTest, AutoSizeTakesTheWidestLineAndOneLineHeightPerLine) {
  Place(label_, 10, 10, 5, 5);
  label_.SetAutoSize(true);
  label_.SetCaption("Short\r\nA much longer line\r\nx");
  int widest = text_.LineWidth(label_.font(), "A much longer line");
  EXPECT_EQ(label_.width(), PixelsToTwips(widest));
  EXPECT_EQ(label_.height(), PixelsToTwips(3 * text_.LineHeight(label_.font())));
  EXPECT_EQ(label_.left(), PixelsToTwips(10));
  label_.SetCaption("");
  EXPECT_EQ(label_.width(), 0);
  EXPECT_EQ(label_.height(), PixelsToTwips(text_.LineHeight(label_.font())));
}

TEST_F(LabelTest, AutoSizeKeepsTheCentreOfACentredLabel) {
  label_.SetAlignment(Alignment::kCenter);
  label_.SetAutoSize(true);
  label_.SetCaption("");
  label_.SetLeft(3000);  // the centre, since the empty label has no width
  label_.SetCaption("Banner text");
  int w = PixelsToTwips(text_.LineWidth(label_.font(), "Banner text"));
  EXPECT_EQ(label_.width(), w);
  EXPECT_EQ(label_.left(), 3000 - w / 2);
  auto& right = form_->Add<LabelElement>("Right");
  right.Move(3000, 0, 600, 300);
  right.SetAlignment(Alignment::kRight);
  right.SetAutoSize(true);
  right.SetCaption("Hi");
  EXPECT_EQ(right.left() + right.width(), 3600) << "a right-aligned label keeps its right edge";
}

TEST_F(LabelTest, WordWrapBreaksBetweenWordsWithinTheWidth) {
  Place(label_, 0, 0, 80, 10);
  label_.SetWordWrap(true);
  label_.SetAutoSize(true);
  label_.SetCaption("one two three four five six seven");
  auto lines = label_.Lines();
  ASSERT_GT(lines.size(), 2u);
  for (const auto& line : lines) EXPECT_LE(text_.LineWidth(label_.font(), line), 80) << line;
  EXPECT_EQ(label_.width(), PixelsToTwips(80)) << "wrapping keeps the width";
  EXPECT_EQ(label_.height(),
            PixelsToTwips(static_cast<int>(lines.size()) * text_.LineHeight(label_.font())));
}

TEST_F(LabelTest, DrawsTextInItsColourOverItsBackgroundOrTheFormBehind) {
  form_->client().SetBackColor(VbRgb(0, 0, 255));
  Place(label_, 10, 10, 100, 40);
  Font big;
  big.name = "Arial";
  big.size = 20;
  big.bold = true;
  label_.SetFont(big);
  label_.SetForeColor(VbRgb(255, 255, 0));
  label_.SetBackColor(VbRgb(0, 0, 0));
  label_.SetCaption("II");
  auto count = [&](Argb colour) {
    const Pixmap& s = platform_.desktop().Compose();
    int n = 0;
    for (int y = 10; y < 50; ++y)
      for (int x = 10; x < 110; ++x) n += s.Pixel(x, y) == colour;
    return n;
  };
  EXPECT_GT(count(0xFFFFFF00u), 50) << "solid text pixels";
  EXPECT_GT(count(0xFF000000u), 1000) << "opaque background";
  label_.SetBackStyle(0);
  EXPECT_EQ(count(0xFF000000u), 0);
  EXPECT_GT(count(0xFF0000FFu), 1000) << "a transparent label shows the form behind";
  label_.SetHeight(PixelsToTwips(120));
  label_.SetCaption("I\r\nI");
  const Pixmap& s = platform_.desktop().Compose();
  int line_h = text_.LineHeight(big);
  bool second_line = false;
  for (int x = 10; x < 110; ++x) second_line |= s.Pixel(x, 10 + line_h + line_h / 2) == 0xFFFFFF00u;
  EXPECT_TRUE(second_line) << "the second line starts one line height lower";
}

}  // namespace
}  // namespace sw::platform
