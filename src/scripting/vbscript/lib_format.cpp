// FormatNumber, FormatCurrency, FormatPercent and FormatDateTime for the US English locale.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "scripting/vbscript/lib_args.h"
#include "scripting/vbscript/lib_calendar.h"
#include "scripting/vbscript/lib_register.h"

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

std::string Grouped(const std::string& whole) {
  std::string out;
  for (size_t i = 0; i < whole.size(); ++i) {
    if (i && (whole.size() - i) % 3 == 0) out.push_back(',');
    out.push_back(whole[i]);
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

enum class Style { kNumber, kCurrency, kPercent };

Variant FormatAs(Args a, Style style) {
  if (a[0].IsNull()) throw VbError(vberr::kTypeMismatch);
  double v = a[0].ToDouble();
  int32_t digits = Has(a, 1) ? LongArg(a[1]) : -1;
  if (digits < -1 || digits > 255) InvalidCall();
  if (digits == -1) digits = 2;
  bool lead0 = Tristate(a, 2, true);
  bool parens = Tristate(a, 3, style == Style::kCurrency);
  bool group = Tristate(a, 4, true);
  if (style == Style::kPercent) v *= 100;
  auto [whole, frac] = FixedDigits(v, digits);
  std::string body = group ? Grouped(whole) : whole;
  if (body == "0" && !lead0 && digits > 0) body.clear();
  if (digits > 0) body += "." + frac;
  if (style == Style::kCurrency) body = "$" + body;
  if (style == Style::kPercent) body += "%";
  if (v < 0) body = parens ? "(" + body + ")" : "-" + body;
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

Variant FormatDateTime(CallContext&, Args a) {
  if (a[0].IsNull()) throw VbError(vberr::kTypeMismatch);
  int32_t form = Has(a, 1) ? LongArg(a[1]) : 0;
  if (form < 0 || form > 4) InvalidCall();
  double serial = DateArg(a[0]);
  DateParts p = SplitDate(serial);
  char buf[64];
  switch (form) {
    case 1:
      std::snprintf(buf, sizeof buf, "%s, %s %d, %d", WeekdayNameOf(p.weekday, false).c_str(),
                    MonthNameOf(p.month, false).c_str(), p.day, p.year);
      return Variant(std::string(buf));
    case 2:
      std::snprintf(buf, sizeof buf, "%d/%d/%d", p.month, p.day, p.year);
      return Variant(std::string(buf));
    case 3: {
      int h12 = p.hour % 12 == 0 ? 12 : p.hour % 12;
      std::snprintf(buf, sizeof buf, "%d:%02d:%02d %s", h12, p.minute, p.second,
                    p.hour < 12 ? "AM" : "PM");
      return Variant(std::string(buf));
    }
    case 4:
      std::snprintf(buf, sizeof buf, "%02d:%02d", p.hour, p.minute);
      return Variant(std::string(buf));
    default:
      return Variant(FormatDate(serial));
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
