// Text forms of numbers: CStr formatting and the numeric-text reader.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/utf.h"
#include "variant/text_locale.h"
#include "variant/variant.h"

namespace sw {
namespace {

// Formats with `digits` significant digits; exponent form when the decimal exponent is
// >= digits or <= -5, as the engine does.
std::string FormatSignificant(double v, int digits) {
  if (v == 0) return "0";
  if (std::isnan(v)) return "NaN";
  if (std::isinf(v)) return v < 0 ? "-1.#INF" : "1.#INF";
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*e", digits - 1, v);
  std::string s(buf);
  bool neg = s[0] == '-';
  if (neg) s.erase(0, 1);
  size_t e = s.find('e');
  int exp = std::atoi(s.c_str() + e + 1);
  std::string mant;
  for (size_t i = 0; i < e; ++i)
    if (s[i] != '.') mant.push_back(s[i]);
  while (mant.size() > 1 && mant.back() == '0') mant.pop_back();

  std::string out = neg ? "-" : "";
  if (exp >= digits || exp <= -5) {
    out += mant[0];
    if (mant.size() > 1) out += "." + mant.substr(1);
    char eb[16];
    std::snprintf(eb, sizeof eb, "E%c%02d", exp < 0 ? '-' : '+', exp < 0 ? -exp : exp);
    out += eb;
  } else if (exp >= 0) {
    if (static_cast<int>(mant.size()) <= exp + 1) {
      out += mant + std::string(exp + 1 - mant.size(), '0');
    } else {
      out += mant.substr(0, exp + 1) + "." + mant.substr(exp + 1);
    }
  } else {
    out += "0." + std::string(-exp - 1, '0') + mant;
  }
  return out;
}

}  // namespace

std::string FormatDouble(double v) {
  return FormatSignificant(v, 15);
}
std::string FormatSingle(float v) {
  return FormatSignificant(v, 7);
}

std::string FormatCurrency(int64_t scaled) {
  bool neg = scaled < 0;
  uint64_t m = neg ? 0 - static_cast<uint64_t>(scaled) : static_cast<uint64_t>(scaled);
  std::string out = std::to_string(m / 10000);
  unsigned frac = static_cast<unsigned>(m % 10000);
  if (frac) {
    char fb[8];
    std::snprintf(fb, sizeof fb, "%04u", frac);
    std::string f(fb);
    while (f.back() == '0') f.pop_back();
    out += "." + f;
  }
  return neg ? "-" + out : out;
}

namespace {

// The player's own files hold ASCII number and date text in US form; other bytes become a
// character no rule accepts.
std::u16string Widen(std::string_view t) {
  std::u16string r(t.size(), u'\x7f');
  for (size_t i = 0; i < t.size(); ++i)
    if (static_cast<unsigned char>(t[i]) < 0x80) r[i] = static_cast<char16_t>(t[i]);
  return r;
}

bool IsBlank16(char16_t c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

bool IsSpaceLike(char16_t c) {
  return c == u' ' || c == u'\u00A0' || c == u'\u202F';
}

// True when the locale's group separator stands at t[i] (a locale that groups with a kind of
// space takes any of them: people type a plain one).
size_t GroupAt(std::u16string_view t, size_t i, const std::u16string& group) {
  if (group.empty()) return 0;
  if (group.size() == 1 && IsSpaceLike(group[0])) return IsSpaceLike(t[i]) ? 1 : 0;
  return t.substr(i).starts_with(group) ? group.size() : 0;
}

}  // namespace

std::optional<double> ParseNumber(std::u16string_view t) {
  return ParseNumberIn(t, TextLocale());
}

std::optional<double> ParseDate(std::u16string_view t) {
  return ParseDateIn(t, TextLocale());
}

std::optional<double> ParseNumber(std::string_view t) {
  return ParseNumberIn(Widen(t), UsEnglishLocale());
}

std::optional<double> ParseDate(std::string_view t) {
  return ParseDateIn(Widen(t), UsEnglishLocale());
}

std::u16string LocalizeDecimal(std::string_view us, const VbLocale& locale) {
  if (locale.Decimal.size() == 1 && locale.Decimal[0] == u'.') return AsciiToUtf16(us);
  std::u16string out;
  out.reserve(us.size());
  for (char c : us) {
    if (c == '.')
      out += locale.Decimal;
    else
      out.push_back(static_cast<char16_t>(c));
  }
  return out;
}

std::optional<double> ParseNumberIn(std::u16string_view t, const VbLocale& locale) {
  size_t i = 0, n = t.size();
  while (i < n && IsBlank16(t[i])) ++i;
  while (n > i && IsBlank16(t[n - 1])) --n;
  if (i >= n) return std::nullopt;
  if (t[i] == '&') {
    // &H hex or &O octal; up to 16 bits read as a signed Integer, otherwise 32 bits.
    ++i;
    int base = 8;
    if (i < n && (t[i] == 'h' || t[i] == 'H'))
      base = 16, ++i;
    else if (i < n && (t[i] == 'o' || t[i] == 'O'))
      ++i;
    if (i >= n) return std::nullopt;
    uint64_t v = 0;
    for (; i < n; ++i) {
      int d;
      char16_t c = t[i];
      if (c >= '0' && c <= '9')
        d = c - '0';
      else if (base == 16 && c >= 'a' && c <= 'f')
        d = c - 'a' + 10;
      else if (base == 16 && c >= 'A' && c <= 'F')
        d = c - 'A' + 10;
      else
        return std::nullopt;
      if (d >= base) return std::nullopt;
      v = v * base + d;
      if (v > 0xFFFFFFFFull) return std::nullopt;
    }
    if (v <= 0xFFFF) return static_cast<double>(static_cast<int16_t>(v));
    return static_cast<double>(static_cast<int32_t>(static_cast<uint32_t>(v)));
  }
  const std::u16string& decimal = locale.Decimal;
  std::string clean;
  if (t[i] == '+' || t[i] == '-') {
    clean.push_back(static_cast<char>(t[i++]));
    while (i < n && IsBlank16(t[i])) ++i;
  }
  bool digits = false, point = false;
  while (i < n) {
    char16_t c = t[i];
    size_t len = 0;
    if (c >= '0' && c <= '9') {
      clean.push_back(static_cast<char>(c));
      digits = true;
      ++i;
    } else if (!point && !decimal.empty() && t.substr(i, n - i).starts_with(decimal)) {
      clean.push_back('.');
      point = true;
      i += decimal.size();
    } else if (!point && digits && (len = GroupAt(t.substr(0, n), i, locale.Group)) > 0) {
      i += len;  // thousands separator
    } else {
      break;
    }
  }
  if (!digits) return std::nullopt;
  if (i < n && (t[i] == 'e' || t[i] == 'E' || t[i] == 'd' || t[i] == 'D')) {
    clean.push_back('e');
    ++i;
    if (i < n && (t[i] == '+' || t[i] == '-')) clean.push_back(static_cast<char>(t[i++]));
    bool ed = false;
    while (i < n && t[i] >= '0' && t[i] <= '9')
      clean.push_back(static_cast<char>(t[i++])), ed = true;
    if (!ed) return std::nullopt;
  }
  if (i != n) return std::nullopt;
  double d = std::strtod(clean.c_str(), nullptr);
  if (std::isinf(d)) return std::nullopt;
  return d;
}

}  // namespace sw
