// Engine and locale information: ScriptEngine and its version numbers, GetLocale, SetLocale,
// and the two functions an embedded player cannot serve (GetObject, LoadPicture).
#include "base/utf.h"
#include "scripting/vbscript/lib_args.h"
#include "scripting/vbscript/lib_register.h"
#include "variant/text_locale.h"

namespace sw::vbs::lib {
namespace {

constexpr int32_t kEnglishUs = 1033;
constexpr int32_t kBuildNumber = 18702;

Variant ScriptEngine(CallContext&, Args) {
  return Variant("VBScript");
}
Variant MajorVersion(CallContext&, Args) {
  return Variant(int32_t{5});
}
Variant MinorVersion(CallContext&, Args) {
  return Variant(int32_t{8});
}
Variant BuildVersion(CallContext&, Args) {
  return Variant(kBuildNumber);
}
Variant GetLocale(CallContext&, Args) {
  return Variant(TextLocale().Lcid);
}

// The locale ID a SetLocale argument names: a number, numeric text, or a locale name in any
// letter case ("de-de", "en-US"); 0 and no argument mean the user's own locale. E447 for an
// ID or a name no locale has.
int32_t RequestedLocale(Args a, int32_t user_default) {
  if (!Has(a, 0)) return user_default;
  const Variant& v = NotNull(a[0]);
  if (v.IsString() && !ParseNumber(v.AsString())) {
    std::optional<int32_t> id = LcidFromName(Utf16ToUtf8(v.AsString()));
    if (!id) throw VbError(vberr::kLocaleNotSupported);
    return *id;
  }
  const int32_t id = v.ToLong();
  return id == 0 ? user_default : id;
}

// Puts another locale in force for the engine's conversions; returns the one it replaces.
Variant SetLocale(CallContext&, Args a) {
  ScriptLocale* locale = ScopedTextLocale();
  const int32_t previous = TextLocale().Lcid;
  const int32_t id = RequestedLocale(a, locale != nullptr ? locale->user_default : kEnglishUs);
  std::optional<VbLocale> loaded = LoadVbLocale(id);
  if (!loaded) throw VbError(vberr::kLocaleNotSupported);
  if (locale != nullptr && id != previous) locale->current = std::move(*loaded);
  return Variant(previous);
}

Variant GetObject(CallContext&, Args) {
  throw VbError(vberr::kCannotCreateObject);
}

Variant LoadPicture(CallContext&, Args) {
  throw VbError(vberr::kInvalidPicture);
}

}  // namespace

void RegisterLibInfo(BuiltinTable& t) {
  t.AddFunction("ScriptEngine", 0, 0, ScriptEngine);
  t.AddFunction("ScriptEngineMajorVersion", 0, 0, MajorVersion);
  t.AddFunction("ScriptEngineMinorVersion", 0, 0, MinorVersion);
  t.AddFunction("ScriptEngineBuildVersion", 0, 0, BuildVersion);
  t.AddFunction("GetLocale", 0, 0, GetLocale);
  t.AddFunction("SetLocale", 0, 1, SetLocale);
  t.AddFunction("GetObject", 0, 2, GetObject);
  t.AddFunction("LoadPicture", 1, 1, LoadPicture);
}

}  // namespace sw::vbs::lib
