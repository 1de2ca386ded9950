#include "scripting/vbscript/lib_calendar.h"

#include <cmath>

#include "scripting/vbscript/lib_args.h"
#include "variant/text_locale.h"

namespace sw::vbs::lib {
std::u16string MonthNameOf(int month, bool abbr) {
  const VbLocale& l = TextLocale();
  return abbr ? l.MonthAbbreviations[month - 1] : l.MonthNames[month - 1];
}

std::u16string WeekdayNameOf(int weekday, bool abbr) {
  const VbLocale& l = TextLocale();
  return abbr ? l.DayAbbreviations[weekday - 1] : l.DayNames[weekday - 1];
}

double DateArg(const Variant& v0) {
  return NotNull(v0).ToDateSerial();
}

double MakeSerial(int year, int month, int day, int64_t seconds) {
  double days = DateSerialOf(year, month, day);
  double t = static_cast<double>(seconds) / 86400.0;
  return days < 0 ? days - t : days + t;
}

int64_t SecondsOfDay(double serial) {
  double whole = std::trunc(serial);
  int64_t s = std::llround(std::fabs(serial - whole) * 86400.0);
  return s >= 86400 ? 0 : s;
}

int64_t DayNumber(double serial) {
  double whole = std::trunc(serial);
  int64_t s = std::llround(std::fabs(serial - whole) * 86400.0);
  int64_t d = static_cast<int64_t>(whole);
  if (s >= 86400) d += serial < 0 ? -1 : 1;
  return d;
}

}  // namespace sw::vbs::lib
