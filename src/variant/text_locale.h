// The regional settings that the text forms of numbers and dates follow: what CStr and the
// implicit conversions write, and how number and date text is read back. US English, unless a
// script engine has put its own locale in place for the scripts it runs on this thread.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "locale/vb_locale.h"

namespace sw {

// A script engine's locale: the one in force, and the user's own that SetLocale without an
// argument returns to.
struct ScriptLocale {
  VbLocale current = UsEnglishLocale();
  int32_t user_default = 1033;
};

// The locale conversions on this thread follow now.
const VbLocale& TextLocale();

// The locale of the innermost TextLocaleScope, which a script may replace (SetLocale); null
// when no scope is open.
ScriptLocale* ScopedTextLocale();

// Puts `locale` in place for the conversions on this thread while the scope lives (a script
// engine's locale while one of its scripts runs) and restores the previous one at its end.
// The locale is read where it is, so changes made to it during the scope count at once.
class TextLocaleScope {
 public:
  explicit TextLocaleScope(ScriptLocale& locale);
  ~TextLocaleScope();
  TextLocaleScope(const TextLocaleScope&) = delete;
  TextLocaleScope& operator=(const TextLocaleScope&) = delete;

 private:
  ScriptLocale* previous_;
};

// Number text in US form ("-1.5", "1E-05") with the locale's decimal separator.
std::u16string LocalizeDecimal(std::string_view us, const VbLocale& locale);

// A date serial as CStr writes it: the short date, the long time, or both (see FormatDate).
std::u16string FormatDateIn(double serial, const VbLocale& locale);

// A date serial written with a Windows date or time picture ("dd.MM.yyyy", "h:mm:ss tt",
// "dddd, MMMM d, yyyy"); quoted text is copied, other characters stand for themselves.
std::u16string FormatDatePicture(std::u16string_view picture, double serial,
                                 const VbLocale& locale);

// Number text read with the locale's decimal and group separators (see ParseNumber).
std::optional<double> ParseNumberIn(std::u16string_view text, const VbLocale& locale);

// Date and time text read in the locale's date order, with its month names and day periods
// besides the English ones (see ParseDate).
std::optional<double> ParseDateIn(std::u16string_view text, const VbLocale& locale);

}  // namespace sw
