// Date serials (days since 1899-12-30) to calendar parts and text, and date text back.
#include <cctype>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "base/unicode_case.h"
#include "variant/text_locale.h"
#include "variant/variant.h"

namespace sw {
namespace {

// Days since 1970-01-01 of a proleptic Gregorian date, and back.
int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

void CivilFromDays(int64_t z, int& y, int& m, int& d) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t yy = static_cast<int64_t>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  y = static_cast<int>(yy + (m <= 2));
}

constexpr int64_t kSerialEpoch = -25569;  // 1899-12-30 in days since 1970-01-01

const char16_t* const kMonths16[] = {u"january",   u"february", u"march",    u"april",
                                     u"may",       u"june",     u"july",     u"august",
                                     u"september", u"october",  u"november", u"december"};

}  // namespace

double DateSerialOf(int year, int month, int day) {
  // Months and days roll over like DateSerial does.
  // In 64 bits: DateSerial(-2147483648, -2147483648, -2147483648) must not overflow.
  int64_t months = int64_t{month} - 1;
  int64_t y = int64_t{year} + months / 12;
  int mm = static_cast<int>(months % 12);
  if (mm < 0) mm += 12, --y;
  return static_cast<double>(DaysFromCivil(y, mm + 1, 1) - kSerialEpoch + (int64_t{day} - 1));
}

DateParts SplitDate(double serial) {
  DateParts p{};
  double whole = std::trunc(serial);
  double frac = std::fabs(serial - whole);
  int64_t secs = std::llround(frac * 86400.0);
  int64_t days = static_cast<int64_t>(whole);
  if (secs >= 86400) {
    secs -= 86400;
    days += serial < 0 ? -1 : 1;
  }
  CivilFromDays(days + kSerialEpoch, p.year, p.month, p.day);
  p.hour = static_cast<int>(secs / 3600);
  p.minute = static_cast<int>(secs / 60 % 60);
  p.second = static_cast<int>(secs % 60);
  p.weekday = static_cast<int>(((days % 7) + 7 + 6) % 7) + 1;
  return p;
}

std::string FormatDate(double serial) {
  DateParts p = SplitDate(serial);
  double whole = std::trunc(serial);
  bool has_time = p.hour || p.minute || p.second;
  char buf[64];
  std::string out;
  if (whole != 0 || !has_time) {
    if (whole != 0 || serial == 0) {
      std::snprintf(buf, sizeof buf, "%d/%d/%d", p.month, p.day, p.year);
      out = buf;
    }
  }
  if (has_time || serial == 0) {
    int h12 = p.hour % 12 == 0 ? 12 : p.hour % 12;
    std::snprintf(buf, sizeof buf, "%d:%02d:%02d %s", h12, p.minute, p.second,
                  p.hour < 12 ? "AM" : "PM");
    if (serial == 0) return buf;
    out += out.empty() ? buf : std::string(" ") + buf;
  }
  return out;
}

namespace {

bool IsDigit16(char16_t c) {
  return c >= u'0' && c <= u'9';
}

bool IsDateBlank(char16_t c) {
  return c == u' ' || c == u'\t' || c == u',' || c == u'\u00A0' || c == u'\u202F';
}

bool IsDateSeparator(char16_t c, const VbLocale& locale) {
  if (c == u'/' || c == u'-' || c == u':' || c == u'.') return true;
  return (!locale.DateSeparator.empty() && c == locale.DateSeparator[0]) ||
         (!locale.TimeSeparator.empty() && c == locale.TimeSeparator[0]);
}

// A name as words are compared: folded case, without a closing full stop ("janv." = "janv").
std::u16string NameKey(std::u16string_view name) {
  while (!name.empty() && name.back() == u'.') name.remove_suffix(1);
  return FoldCase(name);
}

// The month a word names (1..12), or 0: the locale's full, in-date and short names, then the
// English names and any English prefix of at least three letters ("sept", "Janu").
int MonthOfWord(const std::u16string& word, const VbLocale& locale) {
  for (int k = 0; k < 12; ++k) {
    if (word == NameKey(locale.MonthNames[k]) || word == NameKey(locale.MonthNamesInDates[k]) ||
        word == NameKey(locale.MonthAbbreviations[k]))
      return k + 1;
  }
  int found = 0;
  for (int k = 0; k < 12; ++k) {
    std::u16string_view full = kMonths16[k];
    if (word.size() >= 3 && full.substr(0, word.size()) == word) found = k + 1;
  }
  return found;
}

// An hour of the 12-hour clock with its day period on the 24-hour clock; false for an hour
// the 12-hour clock lacks.
bool ApplyPeriod(int& hour, bool pm) {
  if (hour > 12 || hour == 0) return false;
  if (pm && hour < 12) hour += 12;
  if (!pm && hour == 12) hour = 0;
  return true;
}

}  // namespace

std::optional<double> ParseDateIn(std::u16string_view text, const VbLocale& locale) {
  // Tokens: numbers, words, and the separators between them.
  struct Tok {
    bool number;
    int value;
    int digits;
    std::u16string word;
    char16_t sep;  // separator before this token (0 at start or for blanks)
  };
  std::vector<Tok> toks;
  char16_t pending = 0;
  for (size_t i = 0; i < text.size();) {
    const char16_t c = text[i];
    if (IsDigit16(c)) {
      int v = 0, nd = 0;
      while (i < text.size() && IsDigit16(text[i])) {
        if (nd < 9) v = v * 10 + (text[i] - u'0');
        ++nd, ++i;
      }
      toks.push_back({true, v, nd, {}, pending});
      pending = 0;
    } else if (IsDateBlank(c)) {
      ++i;
    } else if (IsDateSeparator(c, locale)) {
      if (pending) return std::nullopt;
      pending =
          c == u':' || (!locale.TimeSeparator.empty() && c == locale.TimeSeparator[0]) ? u':' : c;
      ++i;
    } else if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c >= 0x80) {
      size_t b = i;
      while (i < text.size() && !IsDigit16(text[i]) && !IsDateBlank(text[i]) &&
             !IsDateSeparator(text[i], locale) &&
             (text[i] >= 0x80 || (text[i] >= u'a' && text[i] <= u'z') ||
              (text[i] >= u'A' && text[i] <= u'Z')))
        ++i;
      toks.push_back({false, 0, 0, NameKey(text.substr(b, i - b)), pending});
      pending = 0;
    } else {
      return std::nullopt;
    }
  }
  if (toks.empty() || pending) return std::nullopt;

  // Time: numbers joined by ':' (and an AM/PM word).
  const std::u16string am = NameKey(locale.Am), pm = NameKey(locale.Pm);
  int hour = -1, minute = 0, second = 0;
  int period = 0;  // a day period written before the time: 1 AM, 2 PM
  std::vector<Tok> date;
  for (size_t i = 0; i < toks.size(); ++i) {
    const Tok& t = toks[i];
    bool starts_time = t.number && i + 1 < toks.size() && toks[i + 1].sep == u':';
    bool is_am = !t.number && (t.word == u"am" || t.word == u"a" || (!am.empty() && t.word == am));
    bool is_pm = !t.number && (t.word == u"pm" || t.word == u"p" || (!pm.empty() && t.word == pm));
    if (starts_time && hour < 0) {
      hour = t.value;
      minute = toks[++i].number ? toks[i].value : -1;
      if (minute < 0) return std::nullopt;
      if (i + 1 < toks.size() && toks[i + 1].sep == u':') {
        if (!toks[++i].number) return std::nullopt;
        second = toks[i].value;
      }
    } else if ((is_am || is_pm) && hour < 0 && i + 2 < toks.size() && toks[i + 1].number &&
               toks[i + 2].sep == u':') {
      // The day period before the time, as Japanese writes it ("午後 2:30").
      if (period != 0) return std::nullopt;
      period = is_pm ? 2 : 1;
    } else if (is_am || is_pm) {
      if (hour < 0) {
        // "3 PM": the previous number was the hour
        if (date.empty() || !date.back().number) return std::nullopt;
        hour = date.back().value;
        date.pop_back();
      }
      if (!ApplyPeriod(hour, is_pm)) return std::nullopt;
    } else {
      date.push_back(t);
    }
  }
  if (period != 0 && !ApplyPeriod(hour, period == 2)) return std::nullopt;
  if (hour > 23 || minute > 59 || second > 59) return std::nullopt;
  double time = hour < 0 ? 0.0 : (hour * 3600 + minute * 60 + second) / 86400.0;
  if (date.empty()) return time;

  int y = -1, m = -1, d = -1;
  std::vector<int> nums;
  std::vector<int> ndig;
  for (const Tok& t : date) {
    if (t.number) {
      nums.push_back(t.value);
      ndig.push_back(t.digits);
    } else {
      const int found = MonthOfWord(t.word, locale);
      if (found == 0 || m >= 0) return std::nullopt;
      m = found;
    }
  }
  auto century = [](int year, int digits) {
    return digits <= 2 ? year + (year < 30 ? 2000 : 1900) : year;
  };
  if (m >= 0) {  // month by name: the day first, then the year
    if (nums.size() != 2) return std::nullopt;
    if (ndig[0] >= 3)
      y = nums[0], d = nums[1];
    else
      d = nums[0], y = nums[1];
    if (ndig[0] < 3 && ndig[1] <= 2 && y < 100) y += y < 30 ? 2000 : 1900;
  } else if (nums.size() == 3) {
    if (ndig[0] >= 3) {  // y-m-d whatever the locale's order
      y = nums[0], m = nums[1], d = nums[2];
    } else if (locale.Order == DateOrder::DayMonthYear) {
      d = nums[0], m = nums[1], y = century(nums[2], ndig[2]);
    } else if (locale.Order == DateOrder::YearMonthDay) {
      y = century(nums[0], ndig[0]), m = nums[1], d = nums[2];
    } else {
      m = nums[0], d = nums[1], y = century(nums[2], ndig[2]);
    }
  } else {
    return std::nullopt;
  }
  if (m < 1 || m > 12 || d < 1 || y < 100 || y > 9999) return std::nullopt;
  static constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
  if (d > kDays[m - 1] || (m == 2 && d == 29 && !leap)) return std::nullopt;
  double serial = DateSerialOf(y, m, d);
  return serial < 0 ? serial - time : serial + time;
}

namespace {

void AppendNumber(std::u16string& out, int v, int width) {
  std::string digits = std::to_string(v);
  if (static_cast<int>(digits.size()) < width) digits.insert(0, width - digits.size(), '0');
  for (char c : digits) out.push_back(static_cast<char16_t>(c));
}

}  // namespace

std::u16string FormatDatePicture(std::u16string_view picture, double serial,
                                 const VbLocale& locale) {
  const DateParts p = SplitDate(serial);
  // Month names inside a date that shows its day take the form used beside a day number.
  const bool has_day = picture.find(u"d") != std::u16string_view::npos;
  std::u16string out;
  size_t i = 0;
  while (i < picture.size()) {
    const char16_t c = picture[i];
    if (c == u'\'') {
      const size_t end = picture.find(u'\'', i + 1);
      const size_t stop = end == std::u16string_view::npos ? picture.size() : end;
      out.append(picture.substr(i + 1, stop - i - 1));
      i = stop == picture.size() ? stop : stop + 1;
      continue;
    }
    size_t run = 1;
    while (i + run < picture.size() && picture[i + run] == c) ++run;
    const int r = static_cast<int>(run);
    switch (c) {
      case u'd':
        if (r >= 4)
          out += locale.DayNames[p.weekday - 1];
        else if (r == 3)
          out += locale.DayAbbreviations[p.weekday - 1];
        else
          AppendNumber(out, p.day, r);
        break;
      case u'M':
        if (r >= 4)
          out += has_day ? locale.MonthNamesInDates[p.month - 1] : locale.MonthNames[p.month - 1];
        else if (r == 3)
          out += locale.MonthAbbreviations[p.month - 1];
        else
          AppendNumber(out, p.month, r);
        break;
      case u'y':
        if (r >= 3)
          AppendNumber(out, p.year, 1);
        else
          AppendNumber(out, p.year % 100, r);
        break;
      case u'h':
        AppendNumber(out, p.hour % 12 == 0 ? 12 : p.hour % 12, std::min(r, 2));
        break;
      case u'H':
        AppendNumber(out, p.hour, std::min(r, 2));
        break;
      case u'm':
        AppendNumber(out, p.minute, std::min(r, 2));
        break;
      case u's':
        AppendNumber(out, p.second, std::min(r, 2));
        break;
      case u't': {
        const std::u16string& period = p.hour < 12 ? locale.Am : locale.Pm;
        out += r >= 2 ? period : period.substr(0, 1);
        break;
      }
      case u'g':
        break;  // the era: the Gregorian calendar has none to show
      default:
        out.append(run, c);
        break;
    }
    i += run;
  }
  return out;
}

std::u16string FormatDateIn(double serial, const VbLocale& locale) {
  const DateParts p = SplitDate(serial);
  const double whole = std::trunc(serial);
  const bool has_time = p.hour || p.minute || p.second;
  std::u16string out;
  if (whole != 0) out = FormatDatePicture(locale.ShortDate, serial, locale);
  if (has_time || serial == 0) {
    if (!out.empty()) out += u' ';
    out += FormatDatePicture(locale.LongTime, serial, locale);
  }
  return out;
}

}  // namespace sw
