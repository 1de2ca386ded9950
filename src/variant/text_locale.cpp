// The locale conversions follow on each thread: US English unless a scope has put another in
// place.
#include "variant/text_locale.h"

namespace sw {
namespace {

// The innermost scope's locale. Scripts change the locale of the thread that runs them, as the
// script engine's locale has always belonged to its thread; nothing is shared across threads.
thread_local ScriptLocale* t_scoped = nullptr;

}  // namespace

const VbLocale& TextLocale() {
  return t_scoped != nullptr ? t_scoped->current : UsEnglishLocale();
}

ScriptLocale* ScopedTextLocale() {
  return t_scoped;
}

TextLocaleScope::TextLocaleScope(ScriptLocale& locale) : previous_(t_scoped) {
  t_scoped = &locale;
}

TextLocaleScope::~TextLocaleScope() {
  t_scoped = previous_;
}

}  // namespace sw
