// The regional settings the script engine's conversions and formatting follow (number
// separators, currency form, date order and patterns, month and day names), for a Windows
// locale ID, taken from ICU's locale data.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sw {

// Where the day, month and year stand in the locale's short date.
enum class DateOrder : uint8_t { MonthDayYear, DayMonthYear, YearMonthDay };

struct VbLocale {
  int32_t Lcid = 1033;
  std::u16string Name = u"en-US";

  // Numbers.
  std::u16string Decimal = u".";
  std::u16string Group = u",";
  int GroupSize = 3;           // digits in the group next to the decimal point
  int SecondaryGroupSize = 3;  // digits in every further group (2 in India)
  int Digits = 2;              // decimals FormatNumber shows by default

  // Currency. `CurrencyPositive` and `CurrencyNegative` use the Windows numbering of the
  // currency forms: positive 0 "$1.1", 1 "1.1$", 2 "$ 1.1", 3 "1.1 $"; negative 0 "($1.1)",
  // 1 "-$1.1", 5 "-1.1$", 8 "-1.1 $", 9 "-$ 1.1".
  std::u16string CurrencySymbol = u"$";
  int CurrencyDigits = 2;
  int CurrencyPositive = 0;
  int CurrencyNegative = 0;

  // Dates and times, as Windows format pictures ("M/d/yyyy", "dddd, MMMM d, yyyy",
  // "h:mm:ss tt").
  std::u16string ShortDate = u"M/d/yyyy";
  std::u16string LongDate = u"dddd, MMMM d, yyyy";
  std::u16string LongTime = u"h:mm:ss tt";
  std::u16string DateSeparator = u"/";
  std::u16string TimeSeparator = u":";
  std::u16string Am = u"AM";
  std::u16string Pm = u"PM";
  DateOrder Order = DateOrder::MonthDayYear;
  // The week as the calendar of the locale counts it: its first day (1 Sunday .. 7 Saturday)
  // and its first week of the year (1 the week of January 1, 2 the first with four days).
  int FirstDayOfWeek = 1;
  int FirstWeekOfYear = 1;

  // Names, January and Sunday first.
  std::array<std::u16string, 12> MonthNames;
  std::array<std::u16string, 12> MonthAbbreviations;
  // Month names as they stand inside a date next to the day (Russian "марта" beside "март").
  std::array<std::u16string, 12> MonthNamesInDates;
  std::array<std::u16string, 7> DayNames;
  std::array<std::u16string, 7> DayAbbreviations;
};

// The settings of US English (LCID 1033), the engine's locale when nothing else is asked for.
const VbLocale& UsEnglishLocale();

// The settings of a Windows locale ID; nothing when ICU does not know the ID.
std::optional<VbLocale> LoadVbLocale(int32_t lcid);

// The Windows locale ID of a locale name: a language tag in any letter case ("de-de",
// "en-US") or a POSIX name ("de_DE.UTF-8", "ru_RU@euro"). Nothing for an unknown name.
std::optional<int32_t> LcidFromName(std::string_view name);

// The locale ID a user names in an option or a setting: a Windows locale ID in decimal
// ("1031") or a locale name as LcidFromName reads it. Nothing for an ID or name no locale has.
std::optional<int32_t> LcidFromText(std::string_view text);

// The locale ID of the user's environment: the first set of LC_ALL, LC_NUMERIC and LANG,
// given here as their values (empty when unset). "C", "POSIX" and unknown names give 1033.
int32_t LcidFromEnvironment(std::string_view lcAll, std::string_view lcNumeric,
                            std::string_view lang);

}  // namespace sw
