#include "base/unicode_case.h"

#include <gtest/gtest.h>

#include "base/utf.h"

namespace sw {
namespace {

TEST(UnicodeCase, MapsLettersOfEveryScriptOneToOne) {
  EXPECT_EQ(UpperCase(u"abc àéîõü ÿ"), u"ABC ÀÉÎÕÜ Ÿ");
  EXPECT_EQ(UpperCase(u"привет ёж"), u"ПРИВЕТ ЁЖ");
  EXPECT_EQ(UpperCase(u"αβγ ως"), u"ΑΒΓ ΩΣ");
  EXPECT_EQ(LowerCase(u"ĀŁŒŠ ΣΩ ЖЯ"), u"āłœš σω жя");
  // Simple mapping keeps the length: the sharp s and letters without a case stay.
  EXPECT_EQ(UpperCase(u"straße 日本"), u"STRAßE 日本");
  // A surrogate pair is one letter (Deseret), a lone surrogate stays as it is.
  EXPECT_EQ(UpperCase(std::u16string{0xD801, 0xDC28}), (std::u16string{0xD801, 0xDC00}));
  EXPECT_EQ(UpperCase(std::u16string{0xD800, u'a'}), (std::u16string{0xD800, u'A'}));
}

TEST(UnicodeCase, ComparesAndEqualsIgnoringCase) {
  EXPECT_EQ(CompareIgnoringCase(u"Ärger", u"äRGER"), 0);
  EXPECT_EQ(CompareIgnoringCase(u"ЯБЛОКО", u"яблоко"), 0);
  EXPECT_LT(CompareIgnoringCase(u"a", u"B"), 0);
  EXPECT_GT(CompareIgnoringCase(u"ab", u"A"), 0);
  EXPECT_TRUE(EqualsIgnoringCase(std::string("Zimmer Ölfass"), std::string("ZIMMER ölfass")));
  EXPECT_TRUE(EqualsIgnoringCase(std::string("КОМНАТА"), std::string("комната")));
  EXPECT_FALSE(EqualsIgnoringCase(std::string("комната"), std::string("комнаты")));
  EXPECT_FALSE(EqualsIgnoringCase(std::string("ab"), std::string("abc")));
  EXPECT_EQ(FoldCase(std::string("Frame ÉTÉ Δ")), "frame été δ");
  EXPECT_EQ(UpperCase(std::string("café")), "CAFÉ");
}

}  // namespace
}  // namespace sw
