// Regional settings read from ICU for the locales games were written in.
#include "locale/vb_locale.h"

#include <gtest/gtest.h>

namespace sw {
namespace {

TEST(VbLocale, UsEnglishHasTheWindowsUsForms) {
  const VbLocale& us = UsEnglishLocale();
  EXPECT_EQ(us.Lcid, 1033);
  EXPECT_EQ(us.Decimal, u".");
  EXPECT_EQ(us.Group, u",");
  EXPECT_EQ(us.ShortDate, u"M/d/yyyy");
  EXPECT_EQ(us.LongTime, u"h:mm:ss tt");
  EXPECT_EQ(us.Order, DateOrder::MonthDayYear);
  EXPECT_EQ(us.CurrencySymbol, u"$");
  EXPECT_EQ(us.CurrencyPositive, 0);
  EXPECT_EQ(us.CurrencyNegative, 0);  // ($1.10)
  EXPECT_EQ(us.MonthNames[0], u"January");
  EXPECT_EQ(us.DayNames[0], u"Sunday");
  EXPECT_EQ(us.DayAbbreviations[6], u"Sat");
}

TEST(VbLocale, GermanUsesCommaDecimalsDayFirstDatesAndTrailingEuro) {
  const std::optional<VbLocale> de = LoadVbLocale(1031);
  ASSERT_TRUE(de);
  EXPECT_EQ(de->Name, u"de-DE");
  EXPECT_EQ(de->Decimal, u",");
  EXPECT_EQ(de->Group, u".");
  EXPECT_EQ(de->ShortDate, u"dd.MM.yyyy");
  EXPECT_EQ(de->DateSeparator, u".");
  EXPECT_EQ(de->Order, DateOrder::DayMonthYear);
  EXPECT_EQ(de->LongTime, u"HH:mm:ss");
  EXPECT_EQ(de->CurrencySymbol, u"€");
  EXPECT_EQ(de->CurrencyPositive, 3);  // 1,10 €
  EXPECT_EQ(de->CurrencyNegative, 8);  // -1,10 €
  EXPECT_EQ(de->MonthNames[2], u"März");
  EXPECT_EQ(de->DayNames[1], u"Montag");
}

TEST(VbLocale, OtherScriptsAndOrders) {
  const std::optional<VbLocale> ja = LoadVbLocale(1041);
  ASSERT_TRUE(ja);
  EXPECT_EQ(ja->Order, DateOrder::YearMonthDay);
  EXPECT_EQ(ja->CurrencyDigits, 0);
  EXPECT_EQ(ja->MonthNames[0], u"1月");

  const std::optional<VbLocale> ru = LoadVbLocale(1049);
  ASSERT_TRUE(ru);
  EXPECT_EQ(ru->MonthNames[0], u"январь");  // the standalone (nominative) form
  EXPECT_EQ(ru->Decimal, u",");

  const std::optional<VbLocale> hi = LoadVbLocale(1081);
  ASSERT_TRUE(hi);
  EXPECT_EQ(hi->GroupSize, 3);
  EXPECT_EQ(hi->SecondaryGroupSize, 2);  // 12,34,567

  // ICU writes day periods after a narrow no-break space; the Windows picture has a blank.
  EXPECT_EQ(LoadVbLocale(1033)->LongTime.find(u'\u202F'), std::u16string::npos);
}

TEST(VbLocale, UnknownIdsAreRefused) {
  EXPECT_FALSE(LoadVbLocale(0));
  EXPECT_FALSE(LoadVbLocale(-5));
  EXPECT_FALSE(LoadVbLocale(0x7FFF0000));
}

TEST(VbLocale, NamesInAnyCaseAndPosixForm) {
  EXPECT_EQ(LcidFromName("de-de"), 1031);
  EXPECT_EQ(LcidFromName("EN-us"), 1033);
  EXPECT_EQ(LcidFromName("de_DE.UTF-8"), 1031);
  EXPECT_EQ(LcidFromName("ru_RU@latin"), 1049);
  EXPECT_FALSE(LcidFromName("xx-yy"));
  EXPECT_FALSE(LcidFromName(""));
  EXPECT_FALSE(LcidFromName("de de"));
  EXPECT_FALSE(LcidFromName(std::string(500, 'a')));
}

TEST(VbLocale, EnvironmentTakesTheFirstSetVariable) {
  EXPECT_EQ(LcidFromEnvironment("", "de_DE.UTF-8", "fr_FR.UTF-8"), 1031);
  EXPECT_EQ(LcidFromEnvironment("ja_JP.UTF-8", "de_DE.UTF-8", ""), 1041);
  EXPECT_EQ(LcidFromEnvironment("", "", "fr_FR"), 1036);
  EXPECT_EQ(LcidFromEnvironment("C.UTF-8", "de_DE.UTF-8", ""), 1033);
  EXPECT_EQ(LcidFromEnvironment("POSIX", "", ""), 1033);
  EXPECT_EQ(LcidFromEnvironment("", "", ""), 1033);
  EXPECT_EQ(LcidFromEnvironment("nonsense", "de_DE", ""), 1033);
}

TEST(VbLocale, WeeksAndInDateMonthNames) {
  EXPECT_EQ(UsEnglishLocale().FirstDayOfWeek, 1);  // Sunday
  EXPECT_EQ(UsEnglishLocale().FirstWeekOfYear, 1);
  EXPECT_EQ(LoadVbLocale(1031)->FirstDayOfWeek, 2);   // Monday
  EXPECT_EQ(LoadVbLocale(1031)->FirstWeekOfYear, 2);  // the first week with four days
  EXPECT_EQ(LoadVbLocale(2057)->FirstDayOfWeek, 2);
  EXPECT_EQ(LoadVbLocale(1041)->FirstDayOfWeek, 1);
  EXPECT_EQ(LoadVbLocale(1049)->MonthNamesInDates[2], u"марта");
  EXPECT_EQ(LoadVbLocale(1031)->MonthNamesInDates[2], u"März");
}

TEST(VbLocale, SignsInTheirOrdinaryForm) {
  // ICU's Japanese yen is the full-width sign; Windows settings use the ordinary one.
  EXPECT_EQ(LoadVbLocale(1041)->CurrencySymbol, u"\u00A5");
  EXPECT_EQ(LoadVbLocale(2057)->CurrencySymbol, u"£");
  EXPECT_EQ(LoadVbLocale(1036)->Group, u"\u202F");  // a narrow no-break space stays
}

TEST(VbLocale, LoadingUsEnglishGivesTheWindowsUsForms) {
  const std::optional<VbLocale> us = LoadVbLocale(1033);
  ASSERT_TRUE(us);
  EXPECT_EQ(us->LongTime, u"h:mm:ss tt");
  EXPECT_EQ(us->Am, u"AM");
}

TEST(VbLocale, TextNamesAnIdOrALocale) {
  EXPECT_EQ(LcidFromText("1031"), 1031);
  EXPECT_EQ(LcidFromText("de-DE"), 1031);
  EXPECT_EQ(LcidFromText("ja_JP.UTF-8"), 1041);
  EXPECT_FALSE(LcidFromText("99999"));
  EXPECT_FALSE(LcidFromText("0"));
  EXPECT_FALSE(LcidFromText("12345678901234"));
  EXPECT_FALSE(LcidFromText("-1031"));
  EXPECT_FALSE(LcidFromText(""));
  EXPECT_FALSE(LcidFromText("xx-yy"));
}

}  // namespace
}  // namespace sw
