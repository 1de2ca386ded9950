#include "base/utf.h"

#include <gtest/gtest.h>

namespace sw {
namespace {

TEST(Utf, ConvertsEveryPlaneBothWays) {
  const std::string text = "A\xC3\xA9\xD0\x96\xE3\x81\x82\xF0\x9F\x98\x80";  // A é Ж あ 😀
  std::u16string units = Utf8ToUtf16(text);
  EXPECT_EQ(units, (std::u16string{u'A', 0xE9, 0x416, 0x3042, 0xD83D, 0xDE00}));
  EXPECT_EQ(Utf16ToUtf8(units), text);
}

TEST(Utf, BrokenInputBecomesReplacementCharacters) {
  // A lone continuation byte, a truncated sequence, an over-long form, an encoded surrogate.
  EXPECT_EQ(Utf8ToUtf16("\x80"), std::u16string(1, 0xFFFD));
  EXPECT_EQ(Utf8ToUtf16("a\xE3\x81"), (std::u16string{u'a', 0xFFFD, 0xFFFD}));
  EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"), (std::u16string{0xFFFD, 0xFFFD}));
  EXPECT_EQ(Utf8ToUtf16("\xED\xA0\x80"), (std::u16string{0xFFFD, 0xFFFD, 0xFFFD}));
  // A lone surrogate unit has no UTF-8 form.
  EXPECT_EQ(Utf16ToUtf8(std::u16string{u'x', 0xD800}), "x\xEF\xBF\xBD");
  EXPECT_EQ(Utf16ToUtf8(std::u16string{0xDC00, 0xD800}), "\xEF\xBF\xBD\xEF\xBF\xBD");
}

}  // namespace
}  // namespace sw
