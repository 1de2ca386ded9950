// Calendar names and date-serial helpers shared by the date and formatting functions.
#pragma once

#include <string>

#include "variant/variant.h"

namespace sw::vbs::lib {

// "January" / "Jan" for month 1..12, in the current locale.
std::u16string MonthNameOf(int month, bool abbreviated);
// "Sunday" / "Sun" for weekday 1..7 (1 = Sunday), in the current locale.
std::u16string WeekdayNameOf(int weekday, bool abbreviated);

// A date argument: Date values, numbers as serials, date text; E13 for other text, E94 Null.
double DateArg(const Variant& v);
// Serial of a date and time of day, whole seconds; no range checks.
double MakeSerial(int year, int month, int day, int64_t seconds_of_day);
// The time of day of a serial in whole seconds (rounded), and its day number.
int64_t SecondsOfDay(double serial);
int64_t DayNumber(double serial);

}  // namespace sw::vbs::lib
