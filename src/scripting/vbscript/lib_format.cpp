// FormatNumber, FormatCurrency, FormatPercent and FormatDateTime in the current locale.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

#include "base/utf.h"

#include "scripting/vbscript/lib_args.h"
#include "scripting/vbscript/lib_calendar.h"
#include "scripting/vbscript/lib_register.h"
#include "variant/text_locale.h"

namespace sw::vbs::lib {
namespace {

// |v| with `digits` decimals, rounded half away from zero on its 15-digit decimal form (so
// 0.125 gives "0.13" and 2.675 gives "2.68"). Returns the whole and fraction digits.
std::pair<std::string, std::string> FixedDigits(double v, int digits) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.14e", std::fabs(v));
  std::string s;
  const char* e = buf;
  for (; *e != 'e'; ++e)
    if (*e != '.') s.push_back(*e);
  int point = std::atoi(e + 1) + 1;  // digits before the decimal point
  if (point <= 0) {
    s.insert(0, static_cast<size_t>(1 - point), '0');
    point = 1;
  }
  if (static_cast<size_t>(point) > s.size()) s.append(point - s.size(), '0');
  size_t keep = static_cast<size_t>(point + digits);
  if (s.size() > keep) {
    bool up = s[keep] >= '5';
    s.resize(keep);
    if (up) {
      size_t i = keep;
      while (i > 0 && s[i - 1] == '9') s[--i] = '0';
      if (i == 0) {
        s.insert(0, 1, '1');
        ++point;
      } else {
        ++s[i - 1];
      }
    }
  } else {
    s.append(keep - s.size(), '0');
  }
  std::string whole = s.substr(0, point), frac = s.substr(point);
  size_t nz = whole.find_first_not_of('0');
  whole = nz == std::string::npos ? "0" : whole.substr(nz);
  return {whole, frac};
}

// Whole digits with the locale's group separator: the first group next to the decimal point,
// then groups of the secondary size (India: 12,34,567).
std::u16string Grouped(const std::string& whole, const VbLocale& locale) {
  const size_t first = locale.GroupSize > 0 ? static_cast<size_t>(locale.GroupSize) : 3;
  const size_t next =
      locale.SecondaryGroupSize > 0 ? static_cast<size_t>(locale.SecondaryGroupSize) : first;
  std::vector<size_t> breaks;  // digits counted from the right after which a separator stands
  for (size_t at = first; at < whole.size(); at += next) breaks.push_back(at);
  std::u16string out;
  for (size_t i = 0; i < whole.size(); ++i) {
    const size_t right = whole.size() - i;
    if (i > 0 && std::find(breaks.begin(), breaks.end(), right) != breaks.end())
      out += locale.Group;
    out.push_back(static_cast<char16_t>(whole[i]));
  }
  return out;
}

// A Tristate argument: -1 yes, 0 no, -2 (or left out) the locale's choice.
bool Tristate(Args a, size_t i, bool locale_default) {
  if (!Has(a, i)) return locale_default;
  int32_t v = LongArg(a[i]);
  if (v == -2) return locale_default;
  return v != 0;
}

// An amount with the currency sign where the locale puts it, with the Windows numbering of
// the currency forms (see VbLocale).
std::u16string PositiveCurrency(const std::u16string& amount, const VbLocale& l) {
  switch (l.CurrencyPositive) {
    case 1:
      return amount + l.CurrencySymbol;
    case 2:
      return l.CurrencySymbol + u" " + amount;
    case 3:
      return amount + u" " + l.CurrencySymbol;
    default:
      return l.CurrencySymbol + amount;
  }
}

std::u16string NegativeCurrency(const std::u16string& amount, bool parens, const VbLocale& l) {
  if (parens) return u"(" + PositiveCurrency(amount, l) + u")";
  switch (l.CurrencyNegative) {
    case 5:
      return u"-" + amount + l.CurrencySymbol;
    case 8:
      return u"-" + amount + u" " + l.CurrencySymbol;
    case 9:
      return u"-" + l.CurrencySymbol + u" " + amount;
    default:  // 1, and the bracketed form 0 when brackets are turned off
      return u"-" + PositiveCurrency(amount, l);
  }
}

enum class Style { kNumber, kCurrency, kPercent };

Variant FormatAs(Args a, Style style) {
  if (a[0].IsNull()) throw VbError(vberr::kTypeMismatch);
  const VbLocale& locale = TextLocale();
  double v = a[0].ToDouble();
  int32_t digits = Has(a, 1) ? LongArg(a[1]) : -1;
  if (digits < -1 || digits > 255) InvalidCall();
  if (digits == -1) digits = style == Style::kCurrency ? locale.CurrencyDigits : locale.Digits;
  bool lead0 = Tristate(a, 2, true);
  bool parens = Tristate(a, 3, style == Style::kCurrency && locale.CurrencyNegative == 0);
  bool group = Tristate(a, 4, true);
  if (style == Style::kPercent) v *= 100;
  auto [whole, frac] = FixedDigits(v, digits);
  std::u16string body = group ? Grouped(whole, locale) : AsciiToUtf16(whole);
  if (whole == "0" && !lead0 && digits > 0) body.clear();
  if (digits > 0) body += locale.Decimal + AsciiToUtf16(frac);
  if (style == Style::kCurrency) {
    return Variant(v < 0 ? NegativeCurrency(body, parens, locale) : PositiveCurrency(body, locale));
  }
  if (style == Style::kPercent) body += u"%";
  if (v < 0) body = parens ? u"(" + body + u")" : u"-" + body;
  return Variant(std::move(body));
}

Variant FormatNumber(CallContext&, Args a) {
  return FormatAs(a, Style::kNumber);
}
Variant FormatCurrency(CallContext&, Args a) {
  return FormatAs(a, Style::kCurrency);
}
Variant FormatPercent(CallContext&, Args a) {
  return FormatAs(a, Style::kPercent);
}

// 0 as CStr writes it, 1 the locale's long date, 2 its short date, 3 its long time, 4 hours
// and minutes on the 24-hour clock.
Variant FormatDateTime(CallContext&, Args a) {
  if (a[0].IsNull()) throw VbError(vberr::kTypeMismatch);
  int32_t form = Has(a, 1) ? LongArg(a[1]) : 0;
  if (form < 0 || form > 4) InvalidCall();
  const double serial = DateArg(a[0]);
  const VbLocale& locale = TextLocale();
  switch (form) {
    case 1:
      return Variant(FormatDatePicture(locale.LongDate, serial, locale));
    case 2:
      return Variant(FormatDatePicture(locale.ShortDate, serial, locale));
    case 3:
      return Variant(FormatDatePicture(locale.LongTime, serial, locale));
    case 4: {
      const DateParts p = SplitDate(serial);
      char buf[8];
      std::snprintf(buf, sizeof buf, "%02d", p.hour);
      std::u16string out = AsciiToUtf16(buf) + locale.TimeSeparator;
      std::snprintf(buf, sizeof buf, "%02d", p.minute);
      return Variant(out + AsciiToUtf16(buf));
    }
    default:
      return Variant(FormatDateIn(serial, locale));
  }
}

}  // namespace

void RegisterLibFormat(BuiltinTable& t) {
  t.AddFunction("FormatNumber", 1, 5, FormatNumber);
  t.AddFunction("FormatCurrency", 1, 5, FormatCurrency);
  t.AddFunction("FormatPercent", 1, 5, FormatPercent);
  t.AddFunction("FormatDateTime", 1, 2, FormatDateTime);
}

}  // namespace sw::vbs::lib
