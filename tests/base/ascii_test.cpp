#include "base/ascii.h"

#include <gtest/gtest.h>

namespace sw {
namespace {

TEST(Ascii, LowersOnlyTheAsciiCapitals) {
  EXPECT_EQ(LowerAscii('A'), 'a');
  EXPECT_EQ(LowerAscii('Z'), 'z');
  EXPECT_EQ(LowerAscii('@'), '@');
  EXPECT_EQ(LowerAscii('['), '[');
  EXPECT_EQ(LowerAscii('z'), 'z');
  EXPECT_EQ(LowerAscii('\xC9'), '\xC9');  // accented capitals are left to the code page
  EXPECT_EQ(LowerAscii(std::string_view("[Last Visited FRAME] \xC9")), "[last visited frame] \xC9");
  EXPECT_EQ(LowerAscii(std::string_view()), "");
}

TEST(Ascii, ComparesWithoutCase) {
  EXPECT_TRUE(EqualsIgnoringAsciiCase("True", "tRUE"));
  EXPECT_TRUE(EqualsIgnoringAsciiCase("", ""));
  EXPECT_FALSE(EqualsIgnoringAsciiCase("True", "Tru"));
  EXPECT_FALSE(EqualsIgnoringAsciiCase("[", "{"));  // 0x5B and 0x7B differ by 32 but are no letters
  EXPECT_FALSE(EqualsIgnoringAsciiCase("\xC9", "\xE9"));
}

}  // namespace
}  // namespace sw
