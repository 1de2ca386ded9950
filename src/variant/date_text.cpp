// Date serials (days since 1899-12-30) to calendar parts and text, and date text back.
#include <cctype>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "base/ascii.h"
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

const char* const kMonths[] = {"january",   "february", "march",    "april",
                               "may",       "june",     "july",     "august",
                               "september", "october",  "november", "december"};

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

std::optional<double> ParseDate(std::string_view text) {
  // Tokens: numbers, words, and the separators between them.
  struct Tok {
    bool number;
    int value;
    int digits;
    std::string word;
    char sep;  // separator before this token (0 at start or for blanks)
  };
  std::vector<Tok> toks;
  char pending = 0;
  for (size_t i = 0; i < text.size();) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    if (std::isdigit(c)) {
      int v = 0, nd = 0;
      while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
        if (nd < 9) v = v * 10 + (text[i] - '0');
        ++nd, ++i;
      }
      toks.push_back({true, v, nd, {}, pending});
      pending = 0;
    } else if (std::isalpha(c)) {
      std::string w;
      while (i < text.size() && std::isalpha(static_cast<unsigned char>(text[i])))
        w.push_back(LowerAscii(text[i++]));
      toks.push_back({false, 0, 0, w, pending});
      pending = 0;
    } else if (c == ' ' || c == '\t' || c == ',') {
      ++i;
    } else if (c == '/' || c == '-' || c == ':' || c == '.') {
      if (pending) return std::nullopt;
      pending = static_cast<char>(c);
      ++i;
    } else {
      return std::nullopt;
    }
  }
  if (toks.empty() || pending) return std::nullopt;

  // Time: numbers joined by ':' (and an AM/PM word).
  int hour = -1, minute = 0, second = 0;
  std::vector<Tok> date;
  for (size_t i = 0; i < toks.size(); ++i) {
    const Tok& t = toks[i];
    bool starts_time = t.number && i + 1 < toks.size() && toks[i + 1].sep == ':';
    bool ampm = !t.number && (t.word == "am" || t.word == "pm" || t.word == "a" || t.word == "p");
    if (starts_time && hour < 0) {
      hour = t.value;
      minute = toks[++i].number ? toks[i].value : -1;
      if (minute < 0) return std::nullopt;
      if (i + 1 < toks.size() && toks[i + 1].sep == ':') {
        if (!toks[++i].number) return std::nullopt;
        second = toks[i].value;
      }
    } else if (ampm) {
      if (hour < 0) {
        // "3 PM": the previous number was the hour
        if (date.empty() || !date.back().number) return std::nullopt;
        hour = date.back().value;
        date.pop_back();
      }
      if (hour > 12 || hour == 0) return std::nullopt;
      if (t.word[0] == 'p' && hour < 12) hour += 12;
      if (t.word[0] == 'a' && hour == 12) hour = 0;
    } else {
      date.push_back(t);
    }
  }
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
      int found = -1;
      for (int k = 0; k < 12; ++k) {
        std::string_view full = kMonths[k];
        if (t.word.size() >= 3 && full.substr(0, t.word.size()) == t.word) found = k + 1;
      }
      if (found < 0 || m >= 0) return std::nullopt;
      m = found;
    }
  }
  if (m >= 0) {  // month by name: the day first, then the year
    if (nums.size() != 2) return std::nullopt;
    if (ndig[0] >= 3)
      y = nums[0], d = nums[1];
    else
      d = nums[0], y = nums[1];
    if (ndig[0] < 3 && ndig[1] <= 2 && y < 100) y += y < 30 ? 2000 : 1900;
  } else if (nums.size() == 3) {
    if (ndig[0] >= 3) {  // y-m-d
      y = nums[0], m = nums[1], d = nums[2];
    } else {
      m = nums[0], d = nums[1], y = nums[2];
      if (ndig[2] <= 2) y += y < 30 ? 2000 : 1900;
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

}  // namespace sw
