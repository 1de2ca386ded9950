// Reads a locale's regional settings out of ICU and turns ICU's date and number patterns into
// the Windows forms the script engine formats with.
#include "locale/vb_locale.h"

#include <unicode/ucal.h>
#include <unicode/udat.h>
#include <unicode/uloc.h>
#include <unicode/unorm2.h>
#include <unicode/unum.h>

#include <memory>

namespace sw {
namespace {

constexpr char16_t kCurrencySign = u'\u00A4';
constexpr int32_t kUsEnglish = 1033;

bool IsSpace(char16_t c) {
  return c == u' ' || c == u'\u00A0' || c == u'\u202F';
}

// ICU separates times and day periods with narrow or non-breaking spaces where Windows puts a
// plain space; its patterns use plain spaces.
std::u16string PlainSpaces(std::u16string s) {
  for (char16_t& c : s) {
    if (IsSpace(c)) c = u' ';
  }
  return s;
}

// Windows settings write signs in their ordinary form where ICU may use a full-width one
// (Japanese "\uFFE5" for "\u00A5"): the compatibility form of the text.
std::u16string Compatible(const std::u16string& s) {
  UErrorCode status = U_ZERO_ERROR;
  const UNormalizer2* nfkc = unorm2_getNFKCInstance(&status);
  if (U_FAILURE(status) || s.empty()) return s;
  char16_t buf[64];
  const int32_t n = unorm2_normalize(nfkc, s.data(), static_cast<int32_t>(s.size()), buf,
                                     static_cast<int32_t>(std::size(buf)), &status);
  if (U_FAILURE(status) || n <= 0) return s;
  return std::u16string(buf, static_cast<size_t>(n));
}

struct NumberFormatCloser {
  void operator()(UNumberFormat* f) const { unum_close(f); }
};
struct DateFormatCloser {
  void operator()(UDateFormat* f) const { udat_close(f); }
};
using NumberFormat = std::unique_ptr<UNumberFormat, NumberFormatCloser>;
using DateFormat = std::unique_ptr<UDateFormat, DateFormatCloser>;

NumberFormat OpenNumberFormat(UNumberFormatStyle style, const char* locale) {
  UErrorCode status = U_ZERO_ERROR;
  UNumberFormat* f = unum_open(style, nullptr, 0, locale, nullptr, &status);
  if (U_FAILURE(status)) {
    if (f != nullptr) unum_close(f);
    return nullptr;
  }
  return NumberFormat(f);
}

DateFormat OpenDateFormat(UDateFormatStyle time, UDateFormatStyle date, const char* locale) {
  UErrorCode status = U_ZERO_ERROR;
  UDateFormat* f = udat_open(time, date, locale, nullptr, 0, nullptr, 0, &status);
  if (U_FAILURE(status)) {
    if (f != nullptr) udat_close(f);
    return nullptr;
  }
  return DateFormat(f);
}

// ICU's C functions fill a caller's buffer; 256 units hold any symbol or pattern.
template <class Fill>
std::u16string ReadText(Fill fill) {
  char16_t buf[256];
  UErrorCode status = U_ZERO_ERROR;
  const int32_t n = fill(buf, static_cast<int32_t>(std::size(buf)), &status);
  if (U_FAILURE(status) || n <= 0) return {};
  return std::u16string(buf, static_cast<size_t>(std::min<int32_t>(n, std::size(buf))));
}

std::u16string NumberSymbol(const UNumberFormat* f, UNumberFormatSymbol which) {
  return ReadText([&](char16_t* b, int32_t cap, UErrorCode* st) {
    return unum_getSymbol(f, which, b, cap, st);
  });
}

std::u16string NumberPattern(const UNumberFormat* f) {
  return ReadText([&](char16_t* b, int32_t cap, UErrorCode* st) {
    return unum_toPattern(f, false, b, cap, st);
  });
}

std::u16string DatePattern(const UDateFormat* f) {
  return ReadText([&](char16_t* b, int32_t cap, UErrorCode* st) {
    return udat_toPattern(f, false, b, cap, st);
  });
}

std::u16string DateSymbol(const UDateFormat* f, UDateFormatSymbolType type, int32_t index) {
  return ReadText([&](char16_t* b, int32_t cap, UErrorCode* st) {
    return udat_getSymbols(f, type, index, b, cap, st);
  });
}

// An ICU date pattern as a Windows format picture: years always with four digits (Windows'
// own short dates do), day-of-week names as "ddd"/"dddd", the day period as "tt", eras and
// other fields Windows pictures lack left out.
std::u16string WindowsPicture(const std::u16string& icu) {
  std::u16string out;
  size_t i = 0;
  while (i < icu.size()) {
    const char16_t c = icu[i];
    if (c == u'\'') {  // a quoted literal, copied with its quotes
      const size_t end = icu.find(u'\'', i + 1);
      const size_t stop = end == std::u16string::npos ? icu.size() : end + 1;
      out.append(icu, i, stop - i);
      i = stop;
      continue;
    }
    size_t run = 1;
    while (i + run < icu.size() && icu[i + run] == c) ++run;
    switch (c) {
      case u'y':
      case u'Y':
      case u'u':
        out += u"yyyy";
        break;
      case u'M':
      case u'L':
        out.append(std::min<size_t>(run, 4), u'M');
        break;
      case u'd':
        out.append(std::min<size_t>(run, 2), u'd');
        break;
      case u'E':
      case u'c':
      case u'e':
        out += run >= 4 ? u"dddd" : u"ddd";
        break;
      case u'h':
      case u'K':
        out.append(std::min<size_t>(run, 2), u'h');
        break;
      case u'H':
      case u'k':
        out.append(std::min<size_t>(run, 2), u'H');
        break;
      case u'm':
      case u's':
        out.append(std::min<size_t>(run, 2), c);
        break;
      case u'a':
      case u'b':
      case u'B':
        out += u"tt";
        break;
      case u'G':
      case u'z':
      case u'Z':
      case u'v':
      case u'V':
      case u'O':
      case u'X':
      case u'x':
        // Eras and time zones: a Windows picture has no such field; drop the field and the
        // blank before it.
        while (!out.empty() && IsSpace(out.back())) out.pop_back();
        break;
      default:
        out.append(run, IsSpace(c) ? u' ' : c);
        break;
    }
    i += run;
  }
  while (!out.empty() && IsSpace(out.back())) out.pop_back();
  return out;
}

bool IsFieldLetter(char16_t c) {
  return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// The order of day, month and year in a picture, and the text between its first two fields.
void ReadDateOrder(const std::u16string& picture, DateOrder& order, std::u16string& separator) {
  const size_t d = picture.find(u'd');
  const size_t m = picture.find(u'M');
  const size_t y = picture.find(u'y');
  if (y != std::u16string::npos && (m == std::u16string::npos || y < m)) {
    order = DateOrder::YearMonthDay;
  } else if (d != std::u16string::npos && m != std::u16string::npos && d < m) {
    order = DateOrder::DayMonthYear;
  } else {
    order = DateOrder::MonthDayYear;
  }
  size_t i = 0;
  while (i < picture.size() && IsFieldLetter(picture[i])) ++i;
  size_t j = i;
  while (j < picture.size() && !IsFieldLetter(picture[j])) ++j;
  if (j > i) separator = picture.substr(i, j - i);
}

// Where the currency sign stands in an ICU currency pattern, as the Windows positive form.
int CurrencyPosition(const std::u16string& pattern) {
  const std::u16string positive = pattern.substr(0, pattern.find(u';'));
  const size_t sign = positive.find(kCurrencySign);
  if (sign == std::u16string::npos) return 0;
  const size_t digit = positive.find_first_of(u"#0");
  const bool before = digit == std::u16string::npos || sign < digit;
  const bool spaced = before ? (sign + 1 < positive.size() && IsSpace(positive[sign + 1]))
                             : (sign > 0 && IsSpace(positive[sign - 1]));
  if (before) return spaced ? 2 : 0;
  return spaced ? 3 : 1;
}

int NegativeCurrencyForm(int positive, int32_t lcid) {
  // US settings put a negative amount in parentheses; elsewhere the minus leads.
  if (lcid == kUsEnglish) return 0;
  switch (positive) {
    case 1:
      return 5;
    case 2:
      return 9;
    case 3:
      return 8;
    default:
      return 1;
  }
}

void ReadNumbers(const char* locale, VbLocale& out) {
  if (NumberFormat f = OpenNumberFormat(UNUM_DECIMAL, locale)) {
    out.Decimal = NumberSymbol(f.get(), UNUM_DECIMAL_SEPARATOR_SYMBOL);
    out.Group = NumberSymbol(f.get(), UNUM_GROUPING_SEPARATOR_SYMBOL);
    const int32_t primary = unum_getAttribute(f.get(), UNUM_GROUPING_SIZE);
    const int32_t secondary = unum_getAttribute(f.get(), UNUM_SECONDARY_GROUPING_SIZE);
    if (primary > 0) out.GroupSize = primary;
    out.SecondaryGroupSize = secondary > 0 ? secondary : out.GroupSize;
  }
  if (NumberFormat f = OpenNumberFormat(UNUM_CURRENCY, locale)) {
    out.CurrencySymbol = Compatible(NumberSymbol(f.get(), UNUM_CURRENCY_SYMBOL));
    out.CurrencyDigits = unum_getAttribute(f.get(), UNUM_MAX_FRACTION_DIGITS);
    out.CurrencyPositive = CurrencyPosition(NumberPattern(f.get()));
    out.CurrencyNegative = NegativeCurrencyForm(out.CurrencyPositive, out.Lcid);
  }
  if (out.Decimal.empty()) out.Decimal = u".";
}

void ReadDates(const char* locale, VbLocale& out) {
  if (DateFormat f = OpenDateFormat(UDAT_NONE, UDAT_SHORT, locale)) {
    out.ShortDate = WindowsPicture(DatePattern(f.get()));
    ReadDateOrder(out.ShortDate, out.Order, out.DateSeparator);
  }
  if (DateFormat f = OpenDateFormat(UDAT_NONE, UDAT_FULL, locale)) {
    out.LongDate = WindowsPicture(DatePattern(f.get()));
  }
  if (DateFormat f = OpenDateFormat(UDAT_MEDIUM, UDAT_NONE, locale)) {
    out.LongTime = WindowsPicture(DatePattern(f.get()));
    const size_t hour = out.LongTime.find_first_of(u"hH");
    const size_t minute = out.LongTime.find(u'm');
    if (hour != std::u16string::npos && minute != std::u16string::npos && minute > hour) {
      size_t from = hour;
      while (from < minute && IsFieldLetter(out.LongTime[from])) ++from;
      if (from < minute) out.TimeSeparator = out.LongTime.substr(from, minute - from);
    }
    const std::u16string am = PlainSpaces(DateSymbol(f.get(), UDAT_AM_PMS, 0));
    const std::u16string pm = PlainSpaces(DateSymbol(f.get(), UDAT_AM_PMS, 1));
    if (!am.empty()) out.Am = am;
    if (!pm.empty()) out.Pm = pm;
    for (int m = 0; m < 12; ++m) {
      out.MonthNames[m] = DateSymbol(f.get(), UDAT_STANDALONE_MONTHS, m);
      out.MonthAbbreviations[m] = DateSymbol(f.get(), UDAT_STANDALONE_SHORT_MONTHS, m);
      out.MonthNamesInDates[m] = DateSymbol(f.get(), UDAT_MONTHS, m);
    }
    // ICU's day lists start with an unused entry; Sunday is 1.
    for (int d = 0; d < 7; ++d) {
      out.DayNames[d] = DateSymbol(f.get(), UDAT_STANDALONE_WEEKDAYS, d + 1);
      out.DayAbbreviations[d] = DateSymbol(f.get(), UDAT_STANDALONE_SHORT_WEEKDAYS, d + 1);
    }
  }
}

void ReadWeek(const char* locale, VbLocale& out) {
  UErrorCode status = U_ZERO_ERROR;
  UCalendar* cal = ucal_open(nullptr, 0, locale, UCAL_GREGORIAN, &status);
  if (U_FAILURE(status)) {
    if (cal != nullptr) ucal_close(cal);
    return;
  }
  const int32_t first = ucal_getAttribute(cal, UCAL_FIRST_DAY_OF_WEEK);
  if (first >= 1 && first <= 7) out.FirstDayOfWeek = first;
  // Four days in the first week is the ISO rule; one day means the week of January 1.
  out.FirstWeekOfYear = ucal_getAttribute(cal, UCAL_MINIMAL_DAYS_IN_FIRST_WEEK) >= 4 ? 2 : 1;
  ucal_close(cal);
}

// ICU's US English differs from the Windows US settings in its pictures and day periods;
// those settings are what scripts written for US English expect.
void HoldToWindowsUsForms(VbLocale& us) {
  us.ShortDate = u"M/d/yyyy";
  us.LongDate = u"dddd, MMMM d, yyyy";
  us.LongTime = u"h:mm:ss tt";
  us.Am = u"AM";
  us.Pm = u"PM";
}

std::optional<VbLocale> BuildVbLocale(int32_t lcid) {
  if (lcid <= 0) return std::nullopt;
  char locale[ULOC_FULLNAME_CAPACITY] = {};
  UErrorCode status = U_ZERO_ERROR;
  const int32_t n = uloc_getLocaleForLCID(static_cast<uint32_t>(lcid), locale,
                                          static_cast<int32_t>(sizeof locale) - 1, &status);
  // ICU falls back to a near language for IDs Windows never had; only an ID that maps back to
  // itself is a real locale.
  if (U_FAILURE(status) || n <= 0 || uloc_getLCID(locale) != static_cast<uint32_t>(lcid)) {
    return std::nullopt;
  }

  VbLocale out;
  out.Lcid = lcid;
  char tag[ULOC_FULLNAME_CAPACITY] = {};
  status = U_ZERO_ERROR;
  const int32_t t =
      uloc_toLanguageTag(locale, tag, static_cast<int32_t>(sizeof tag) - 1, false, &status);
  if (U_SUCCESS(status) && t > 0) out.Name.assign(tag, tag + t);
  ReadNumbers(locale, out);
  ReadDates(locale, out);
  ReadWeek(locale, out);
  if (lcid == kUsEnglish) HoldToWindowsUsForms(out);
  return out;
}

}  // namespace

const VbLocale& UsEnglishLocale() {
  static const VbLocale us = *BuildVbLocale(kUsEnglish);
  return us;
}

std::optional<VbLocale> LoadVbLocale(int32_t lcid) {
  if (lcid == kUsEnglish) return UsEnglishLocale();
  return BuildVbLocale(lcid);
}

std::optional<int32_t> LcidFromName(std::string_view name) {
  // A POSIX name carries an encoding and a modifier the language tag has no place for.
  name = name.substr(0, name.find_first_of(".@"));
  if (name.empty() || name.size() >= ULOC_FULLNAME_CAPACITY) return std::nullopt;
  std::string tag(name);
  for (char& c : tag) {
    if (c == '_') c = '-';
  }
  char locale[ULOC_FULLNAME_CAPACITY] = {};
  int32_t parsed = 0;
  UErrorCode status = U_ZERO_ERROR;
  uloc_forLanguageTag(tag.c_str(), locale, static_cast<int32_t>(sizeof locale) - 1, &parsed,
                      &status);
  if (U_FAILURE(status) || parsed != static_cast<int32_t>(tag.size()) || locale[0] == '\0') {
    return std::nullopt;
  }
  const uint32_t lcid = uloc_getLCID(locale);
  if (lcid == 0) return std::nullopt;
  return static_cast<int32_t>(lcid);
}

std::optional<int32_t> LcidFromText(std::string_view text) {
  if (!text.empty() && text.size() <= 9 &&
      text.find_first_not_of("0123456789") == std::string_view::npos) {
    int32_t id = 0;
    for (char c : text) id = id * 10 + (c - '0');
    if (LoadVbLocale(id)) return id;
    return std::nullopt;
  }
  std::optional<int32_t> id = LcidFromName(text);
  if (id && LoadVbLocale(*id)) return id;
  return std::nullopt;
}

int32_t LcidFromEnvironment(std::string_view lcAll, std::string_view lcNumeric,
                            std::string_view lang) {
  for (std::string_view v : {lcAll, lcNumeric, lang}) {
    if (v.empty()) continue;
    if (v == "C" || v == "POSIX" || v.starts_with("C.")) return 1033;
    if (std::optional<int32_t> lcid = LcidFromName(v); lcid && LoadVbLocale(*lcid)) return *lcid;
    return 1033;
  }
  return 1033;
}

}  // namespace sw
