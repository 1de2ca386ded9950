// Variant text in a locale: the scope that puts a locale in place, number and date text both
// ways, and the player's own (US English) forms that no scope may change.
#include "variant/text_locale.h"

#include <gtest/gtest.h>

#include <cmath>

#include "base/utf.h"

#include "variant/variant.h"

namespace sw {
namespace {

ScriptLocale Loaded(int32_t lcid) {
  ScriptLocale l;
  l.current = *LoadVbLocale(lcid);
  return l;
}

double Serial(int y, int m, int d, int h = 0, int n = 0, int s = 0) {
  return DateSerialOf(y, m, d) + (h * 3600 + n * 60 + s) / 86400.0;
}

TEST(TextLocale, ScopesNestAndRestore) {
  EXPECT_EQ(TextLocale().Lcid, 1033);
  EXPECT_EQ(ScopedTextLocale(), nullptr);
  ScriptLocale german = Loaded(1031);
  ScriptLocale french = Loaded(1036);
  {
    TextLocaleScope outer(german);
    EXPECT_EQ(Variant(1.5).ToStringUtf8(), "1,5");
    {
      TextLocaleScope inner(french);
      EXPECT_EQ(TextLocale().Lcid, 1036);
      EXPECT_EQ(ScopedTextLocale(), &french);
    }
    EXPECT_EQ(TextLocale().Lcid, 1031);
    // A change made to the scoped locale (SetLocale) counts at once.
    german.current = *LoadVbLocale(2057);
    EXPECT_EQ(Variant(2.25).ToStringUtf8(), "2.25");
    EXPECT_EQ(Variant::FromDate(Serial(2026, 3, 15)).ToStringUtf8(), "15/03/2026");
  }
  EXPECT_EQ(TextLocale().Lcid, 1033);
  EXPECT_EQ(Variant(1.5).ToStringUtf8(), "1.5");
}

TEST(TextLocale, ImplicitConversionsFollowTheScope) {
  ScriptLocale german = Loaded(1031);
  TextLocaleScope scope(german);
  EXPECT_EQ(Variant(u"1,5").ToDouble(), 1.5);
  EXPECT_EQ(Variant(u"1.234.567,5").ToDouble(), 1234567.5);
  EXPECT_TRUE(Variant(u"0,5").ToBool());
  EXPECT_EQ(Variant::FromCurrency(12.5).ToStringUtf8(), "12,5");
  EXPECT_EQ(Variant(2.5f).ToStringUtf8(), "2,5");
  EXPECT_EQ(Variant(1e-5).ToStringUtf8(), "1E-05");
  EXPECT_EQ(Variant(-1.25e20).ToStringUtf8(), "-1,25E+20");
  EXPECT_EQ(Variant(u"15.03.2026 14:30").ToDateSerial(), Serial(2026, 3, 15, 14, 30));
  EXPECT_THROW(Variant(u"1,5,5").ToDouble(), VbError);
  // The player's own files stay in US form whatever the scripts' locale.
  EXPECT_EQ(ParseNumber(std::string_view("1.5")), 1.5);
  EXPECT_EQ(ParseDate(std::string_view("3/4/2026")), DateSerialOf(2026, 3, 4));
  EXPECT_EQ(FormatDouble(1.5), "1.5");
  EXPECT_EQ(FormatDate(Serial(2026, 3, 15, 14, 30)), "3/15/2026 2:30:00 PM");
}

TEST(TextLocale, NumberTextWithOtherSeparators) {
  const VbLocale fr = *LoadVbLocale(1036);
  // French groups with a narrow no-break space; typed text has plain or no-break spaces.
  EXPECT_EQ(ParseNumberIn(u"1\u202F234,5", fr), 1234.5);
  EXPECT_EQ(ParseNumberIn(u"1 234,5", fr), 1234.5);
  EXPECT_EQ(ParseNumberIn(u"1\u00A0234", fr), 1234);
  EXPECT_EQ(ParseNumberIn(u" -2,5 ", fr), -2.5);
  EXPECT_FALSE(ParseNumberIn(u"1.5", fr));
  EXPECT_FALSE(ParseNumberIn(u" ", fr));
  EXPECT_FALSE(ParseNumberIn(u",", fr));
  EXPECT_EQ(ParseNumberIn(u"&H10", fr), 16);
  EXPECT_EQ(ParseNumberIn(u"2,5E2", fr), 250);
  // Separators belong to the whole part only; a group after the decimal ends the number.
  EXPECT_FALSE(ParseNumberIn(u"1,5 5", fr));
  EXPECT_EQ(LocalizeDecimal("-0.5", fr), u"-0,5");
  EXPECT_EQ(LocalizeDecimal("12", fr), u"12");

  const VbLocale us = UsEnglishLocale();
  EXPECT_EQ(ParseNumberIn(u"1,234.5", us), 1234.5);
  EXPECT_EQ(ParseNumberIn(u"1,5", us), 15);
  EXPECT_FALSE(ParseNumberIn(u"1.2.3", us));
}

TEST(TextLocale, DateTextInEachOrder) {
  const VbLocale de = *LoadVbLocale(1031);
  const VbLocale ja = *LoadVbLocale(1041);
  const VbLocale us = UsEnglishLocale();
  EXPECT_EQ(ParseDateIn(u"3/4/2026", de), DateSerialOf(2026, 4, 3));
  EXPECT_EQ(ParseDateIn(u"3/4/2026", us), DateSerialOf(2026, 3, 4));
  EXPECT_EQ(ParseDateIn(u"26/3/4", ja), DateSerialOf(2026, 3, 4));
  EXPECT_EQ(ParseDateIn(u"2026/03/04", de), DateSerialOf(2026, 3, 4));  // year first always
  EXPECT_EQ(ParseDateIn(u"4.3.99", de), DateSerialOf(1999, 3, 4));
  EXPECT_FALSE(ParseDateIn(u"31.02.2026", de));
  EXPECT_FALSE(ParseDateIn(u"15.03.2026", us));
  // Month names of the locale, in any case, with or without the abbreviation's full stop;
  // English names are understood everywhere.
  EXPECT_EQ(ParseDateIn(u"15. MÄRZ 2026", de), DateSerialOf(2026, 3, 15));
  EXPECT_EQ(ParseDateIn(u"1 févr. 2026", *LoadVbLocale(1036)), DateSerialOf(2026, 2, 1));
  EXPECT_EQ(ParseDateIn(u"1 февраля 2026", *LoadVbLocale(1049)), DateSerialOf(2026, 2, 1));
  EXPECT_EQ(ParseDateIn(u"15 March 2026", de), DateSerialOf(2026, 3, 15));
  EXPECT_FALSE(ParseDateIn(u"15 Mürz 2026", de));
  // Day periods of the locale.
  EXPECT_EQ(ParseDateIn(u"午後 2:30", ja), ParseDateIn(u"14:30", ja));
  EXPECT_EQ(ParseDateIn(u"2:30 午前", ja), ParseDateIn(u"2:30", ja));
}

TEST(TextLocale, DatePictures) {
  const VbLocale de = *LoadVbLocale(1031);
  const VbLocale ru = *LoadVbLocale(1049);
  const double d = Serial(2026, 3, 5, 9, 7, 3);
  EXPECT_EQ(FormatDatePicture(u"d.M.yy", d, de), u"5.3.26");
  EXPECT_EQ(FormatDatePicture(u"dd.MM.yyyy HH:mm:ss", d, de), u"05.03.2026 09:07:03");
  EXPECT_EQ(FormatDatePicture(u"ddd dddd MMM MMMM", d, de), u"Do Donnerstag Mär März");
  EXPECT_EQ(FormatDatePicture(u"h:mm tt", d + 0.5, UsEnglishLocale()), u"9:07 PM");
  EXPECT_EQ(FormatDatePicture(u"h 'h' t", d, UsEnglishLocale()), u"9 h A");
  // Beside a day number the month takes its in-date form; alone, its own.
  EXPECT_EQ(FormatDatePicture(u"d MMMM", d, ru), u"5 марта");
  EXPECT_EQ(FormatDatePicture(u"MMMM yyyy", d, ru), u"март 2026");
  EXPECT_EQ(FormatDatePicture(u"'unclosed", d, de), u"unclosed");
  // CStr: the short date, the long time, or both; midnight of day 0 is a time.
  EXPECT_EQ(FormatDateIn(d, de), u"05.03.2026 09:07:03");
  EXPECT_EQ(FormatDateIn(std::trunc(d), de), u"05.03.2026");
  EXPECT_EQ(FormatDateIn(0, de), u"00:00:00");
  EXPECT_EQ(FormatDateIn(0.25, UsEnglishLocale()), u"6:00:00 AM");
  EXPECT_EQ(AsciiToUtf16(FormatDate(d)), FormatDateIn(d, UsEnglishLocale()));
}

}  // namespace
}  // namespace sw
