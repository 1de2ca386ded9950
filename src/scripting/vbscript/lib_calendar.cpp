#include "scripting/vbscript/lib_calendar.h"

#include <cmath>

#include "scripting/vbscript/lib_args.h"

namespace sw::vbs::lib {
namespace {

const char* const kMonths[] = {"January",   "February", "March",    "April",
                               "May",       "June",     "July",     "August",
                               "September", "October",  "November", "December"};
const char* const kDays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                             "Thursday", "Friday", "Saturday"};

}  // namespace

std::string MonthNameOf(int month, bool abbr) {
  std::string n = kMonths[month - 1];
  return abbr ? n.substr(0, 3) : n;
}

std::string WeekdayNameOf(int weekday, bool abbr) {
  std::string n = kDays[weekday - 1];
  return abbr ? n.substr(0, 3) : n;
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
