// Date and time functions: Now, Date, Time, Timer, DateSerial, TimeSerial, DateValue,
// TimeValue, DateAdd, DateDiff, DatePart, Year ... Second, Weekday, WeekdayName, MonthName,
// IsDate. Serials count days from 1899-12-30; before it the time of day is the fraction's
// absolute value (-1.25 is 12/29/1899 6:00 AM).
#include <chrono>
#include <cmath>
#include <ctime>

#include "base/unicode_case.h"
#include "base/utf.h"
#include "scripting/vbscript/lib_args.h"
#include "scripting/vbscript/lib_calendar.h"
#include "scripting/vbscript/lib_register.h"
#include "scripting/vbscript/lib_rnd.h"
#include "variant/text_locale.h"

namespace sw::vbs::lib {
namespace {

constexpr int64_t kDay = 86400;

int64_t FloorDiv(int64_t a, int64_t b) {
  int64_t q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// A moment as seconds on a continuous scale (day number * 86400 + time of day).
int64_t Moment(double serial) {
  return DayNumber(serial) * kDay + SecondsOfDay(serial);
}

double SerialOfMoment(int64_t m) {
  int64_t day = FloorDiv(m, kDay);
  double t = static_cast<double>(m - day * kDay) / kDay;
  return day >= 0 ? static_cast<double>(day) + t : static_cast<double>(day) - t;
}

// Dates must stay within years 100..9999.
Variant CheckedDate(double serial) {
  if (!(serial >= -657434.0 && serial < 2958466.0)) InvalidCall();
  return Variant::FromDate(serial);
}

std::tm LocalNow() {
  std::time_t t = std::time(nullptr);
  return *std::localtime(&t);
}

Variant Now(CallContext&, Args) {
  std::tm l = LocalNow();
  return Variant::FromDate(MakeSerial(l.tm_year + 1900, l.tm_mon + 1, l.tm_mday,
                                      l.tm_hour * 3600 + l.tm_min * 60 + l.tm_sec));
}
Variant Date(CallContext&, Args) {
  std::tm l = LocalNow();
  return Variant::FromDate(DateSerialOf(l.tm_year + 1900, l.tm_mon + 1, l.tm_mday));
}
Variant Time(CallContext&, Args) {
  std::tm l = LocalNow();
  return Variant::FromDate((l.tm_hour * 3600 + l.tm_min * 60 + l.tm_sec) / 86400.0);
}
Variant Timer(CallContext&, Args) {
  return Variant(static_cast<float>(SecondsSinceMidnight()));
}

Variant DateSerial(CallContext&, Args a) {
  int32_t y = LongArg(a[0]), m = LongArg(a[1]), d = LongArg(a[2]);
  if (y >= 0 && y < 30)
    y += 2000;
  else if (y >= 30 && y < 100)
    y += 1900;
  return CheckedDate(DateSerialOf(y, m, d));
}

Variant TimeSerial(CallContext&, Args a) {
  int64_t h = LongArg(a[0]), m = LongArg(a[1]), s = LongArg(a[2]);
  return CheckedDate(SerialOfMoment(h * 3600 + m * 60 + s));
}

// The serial a DateValue / TimeValue argument stands for: Date values and date text.
double DateOrText(const Variant& v0) {
  NotNull(v0);
  Variant v = v0.IsObject() ? v0.DefaultValue() : v0;
  if (v.type() == VarType::Date) return v.AsDateSerial();
  if (!v.IsString()) throw VbError(vberr::kTypeMismatch);
  auto d = ParseDate(v.AsString());
  if (!d) throw VbError(vberr::kTypeMismatch);
  return *d;
}

Variant DateValue(CallContext&, Args a) {
  return Variant::FromDate(static_cast<double>(DayNumber(DateOrText(a[0]))));
}

Variant TimeValue(CallContext&, Args a) {
  return Variant::FromDate(static_cast<double>(SecondsOfDay(DateOrText(a[0]))) / kDay);
}

Variant IsDate(CallContext&, Args a) {
  Variant v;
  if (!lib::TestedValue(a[0], v)) return Variant(false);
  if (v.type() == VarType::Date) return Variant(true);
  if (v.IsString()) return Variant(ParseDate(v.AsString()).has_value());
  return Variant(false);
}

template <int DateParts::*Field>
Variant Part(CallContext&, Args a) {
  if (a[0].IsNull()) return Variant::Null();
  DateParts p = SplitDate(DateArg(a[0]));
  return Variant(static_cast<int16_t>(p.*Field));
}

// A first-day-of-week argument: 1 (Sunday) .. 7; 0 means the locale's (Monday in most of
// Europe). Left out it is Sunday, or the locale's where the function defaults to it.
int FirstDay(Args a, size_t i, bool locale_by_default = false) {
  if (!Has(a, i)) return locale_by_default ? TextLocale().FirstDayOfWeek : 1;
  int32_t f = LongArg(a[i]);
  if (f < 0 || f > 7) InvalidCall();
  return f == 0 ? TextLocale().FirstDayOfWeek : f;
}

// A first-week-of-year argument: 1 the week of January 1, 2 the first with four days, 3 the
// first full week; 0 the locale's rule.
int FirstWeek(Args a, size_t i) {
  if (!Has(a, i)) return 1;
  int32_t f = LongArg(a[i]);
  if (f < 0 || f > 3) InvalidCall();
  return f == 0 ? TextLocale().FirstWeekOfYear : f;
}

// Weekday counted from `fdow` (1..7).
int WeekdayFrom(int weekday, int fdow) {
  return (weekday - fdow + 7) % 7 + 1;
}

Variant Weekday(CallContext&, Args a) {
  int fdow = FirstDay(a, 1);
  if (a[0].IsNull()) return Variant::Null();
  DateParts p = SplitDate(DateArg(a[0]));
  return Variant(static_cast<int16_t>(WeekdayFrom(p.weekday, fdow)));
}

Variant WeekdayName(CallContext&, Args a) {
  int32_t n = LongArg(a[0]);
  bool abbr = Has(a, 1) && NotNull(a[1]).ToBool();
  // Unlike Weekday, WeekdayName counts from the locale's first day unless told otherwise.
  int fdow = FirstDay(a, 2, true);
  if (n < 1 || n > 7) InvalidCall();
  return Variant(WeekdayNameOf((n - 1 + fdow - 1) % 7 + 1, abbr));
}

Variant MonthName(CallContext&, Args a) {
  int32_t m = LongArg(a[0]);
  bool abbr = Has(a, 1) && NotNull(a[1]).ToBool();
  if (m < 1 || m > 12) InvalidCall();
  return Variant(MonthNameOf(m, abbr));
}

enum class Interval {
  kYear,
  kQuarter,
  kMonth,
  kDayOfYear,
  kDay,
  kWeekday,
  kWeek,
  kHour,
  kMinute,
  kSecond
};

Interval IntervalArg(const Variant& v) {
  std::string s = FoldCase(Utf16ToUtf8(TextArg(v)));
  if (s == "yyyy") return Interval::kYear;
  if (s == "q") return Interval::kQuarter;
  if (s == "m") return Interval::kMonth;
  if (s == "y") return Interval::kDayOfYear;
  if (s == "d") return Interval::kDay;
  if (s == "w") return Interval::kWeekday;
  if (s == "ww") return Interval::kWeek;
  if (s == "h") return Interval::kHour;
  if (s == "n") return Interval::kMinute;
  if (s == "s") return Interval::kSecond;
  InvalidCall();
}

double AddMonths(double serial, int64_t months) {
  DateParts p = SplitDate(serial);
  int64_t total = static_cast<int64_t>(p.year) * 12 + (p.month - 1) + months;
  int64_t y = FloorDiv(total, 12);
  int m = static_cast<int>(total - y * 12) + 1;
  if (y < 100 || y > 9999) InvalidCall();
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  int last = kDays[m - 1];
  if (m == 2 && ((y % 4 == 0 && y % 100 != 0) || y % 400 == 0)) last = 29;
  int d = p.day < last ? p.day : last;
  return MakeSerial(static_cast<int>(y), m, d, SecondsOfDay(serial));
}

Variant DateAdd(CallContext&, Args a) {
  Interval iv = IntervalArg(NotNull(a[0]));
  double n = NotNull(a[1]).ToDouble();
  if (a[2].IsNull()) return Variant::Null();
  double d = DateArg(a[2]);
  if (!(std::fabs(n) <= 1e10)) InvalidCall();
  int64_t k = static_cast<int64_t>(RoundHalfEven(n));
  switch (iv) {
    case Interval::kYear:
      return CheckedDate(AddMonths(d, k * 12));
    case Interval::kQuarter:
      return CheckedDate(AddMonths(d, k * 3));
    case Interval::kMonth:
      return CheckedDate(AddMonths(d, k));
    case Interval::kDayOfYear:
    case Interval::kDay:
    case Interval::kWeekday:
      return CheckedDate(SerialOfMoment(Moment(d) + k * kDay));
    case Interval::kWeek:
      return CheckedDate(SerialOfMoment(Moment(d) + k * 7 * kDay));
    case Interval::kHour:
      return CheckedDate(SerialOfMoment(Moment(d) + k * 3600));
    case Interval::kMinute:
      return CheckedDate(SerialOfMoment(Moment(d) + k * 60));
    case Interval::kSecond:
      return CheckedDate(SerialOfMoment(Moment(d) + k));
  }
  InvalidCall();
}

// Number of `fdow` days in (day1, day2], negative when day2 comes first.
int64_t WeekBoundaries(int64_t day1, int64_t day2, int fdow) {
  return FloorDiv(day2 - fdow, 7) - FloorDiv(day1 - fdow, 7);
}

Variant DateDiff(CallContext&, Args a) {
  Interval iv = IntervalArg(NotNull(a[0]));
  int fdow = FirstDay(a, 3);
  FirstWeek(a, 4);
  if (a[1].IsNull() || a[2].IsNull()) return Variant::Null();
  double d1 = DateArg(a[1]), d2 = DateArg(a[2]);
  DateParts p1 = SplitDate(d1), p2 = SplitDate(d2);
  int64_t m1 = Moment(d1), m2 = Moment(d2);
  int64_t r = 0;
  switch (iv) {
    case Interval::kYear:
      r = p2.year - p1.year;
      break;
    case Interval::kQuarter:
      r = (p2.year * 4 + (p2.month - 1) / 3) - (p1.year * 4 + (p1.month - 1) / 3);
      break;
    case Interval::kMonth:
      r = (p2.year * 12 + p2.month) - (p1.year * 12 + p1.month);
      break;
    case Interval::kDayOfYear:
    case Interval::kDay:
      r = DayNumber(d2) - DayNumber(d1);
      break;
    case Interval::kWeekday:
      r = (DayNumber(d2) - DayNumber(d1)) / 7;
      break;
    case Interval::kWeek:
      r = WeekBoundaries(DayNumber(d1), DayNumber(d2), fdow);
      break;
    case Interval::kHour:
      r = FloorDiv(m2, 3600) - FloorDiv(m1, 3600);
      break;
    case Interval::kMinute:
      r = FloorDiv(m2, 60) - FloorDiv(m1, 60);
      break;
    case Interval::kSecond:
      r = m2 - m1;
      break;
  }
  // The result is a Long: seconds over more than 68 years do not fit.
  if (r > INT32_MAX || r < INT32_MIN) throw VbError(vberr::kOverflow);
  return Variant(static_cast<int32_t>(r));
}

// First day of week 1 of `year` for a first-week rule (1 Jan 1, 2 four days, 3 full week).
int64_t FirstWeekStart(int year, int fdow, int rule) {
  int64_t jan1 = static_cast<int64_t>(DateSerialOf(year, 1, 1));
  int64_t start = jan1 - (WeekdayFrom(SplitDate(static_cast<double>(jan1)).weekday, fdow) - 1);
  int64_t in_year = 7 - (jan1 - start);
  int need = rule == 2 ? 4 : (rule == 3 ? 7 : 1);
  return in_year >= need ? start : start + 7;
}

Variant DatePart(CallContext&, Args a) {
  Interval iv = IntervalArg(NotNull(a[0]));
  int fdow = FirstDay(a, 2);
  int rule = FirstWeek(a, 3);
  if (a[1].IsNull()) return Variant::Null();
  double d = DateArg(a[1]);
  DateParts p = SplitDate(d);
  int64_t day = DayNumber(d);
  int64_t r = 0;
  switch (iv) {
    case Interval::kYear:
      r = p.year;
      break;
    case Interval::kQuarter:
      r = (p.month - 1) / 3 + 1;
      break;
    case Interval::kMonth:
      r = p.month;
      break;
    case Interval::kDayOfYear:
      r = day - static_cast<int64_t>(DateSerialOf(p.year, 1, 1)) + 1;
      break;
    case Interval::kDay:
      r = p.day;
      break;
    case Interval::kWeekday:
      r = WeekdayFrom(p.weekday, fdow);
      break;
    case Interval::kWeek: {
      int64_t start = FirstWeekStart(p.year, fdow, rule);
      if (day < start) start = FirstWeekStart(p.year - 1, fdow, rule);
      r = (day - start) / 7 + 1;
      break;
    }
    case Interval::kHour:
      r = p.hour;
      break;
    case Interval::kMinute:
      r = p.minute;
      break;
    case Interval::kSecond:
      r = p.second;
      break;
  }
  return Variant(static_cast<int16_t>(r));
}

}  // namespace

void RegisterLibDates(BuiltinTable& t) {
  t.AddFunction("Now", 0, 0, Now);
  t.AddFunction("Date", 0, 0, Date);
  t.AddFunction("Time", 0, 0, Time);
  t.AddFunction("Timer", 0, 0, Timer);
  t.AddFunction("DateSerial", 3, 3, DateSerial);
  t.AddFunction("TimeSerial", 3, 3, TimeSerial);
  t.AddFunction("DateValue", 1, 1, DateValue);
  t.AddFunction("TimeValue", 1, 1, TimeValue);
  t.AddFunction("IsDate", 1, 1, IsDate);
  t.AddFunction("Year", 1, 1, Part<&DateParts::year>);
  t.AddFunction("Month", 1, 1, Part<&DateParts::month>);
  t.AddFunction("Day", 1, 1, Part<&DateParts::day>);
  t.AddFunction("Hour", 1, 1, Part<&DateParts::hour>);
  t.AddFunction("Minute", 1, 1, Part<&DateParts::minute>);
  t.AddFunction("Second", 1, 1, Part<&DateParts::second>);
  t.AddFunction("Weekday", 1, 2, Weekday);
  t.AddFunction("WeekdayName", 1, 3, WeekdayName);
  t.AddFunction("MonthName", 1, 2, MonthName);
  t.AddFunction("DateAdd", 3, 3, DateAdd);
  t.AddFunction("DateDiff", 3, 5, DateDiff);
  t.AddFunction("DatePart", 2, 4, DatePart);
}

}  // namespace sw::vbs::lib
