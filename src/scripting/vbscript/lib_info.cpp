// Engine and locale information: ScriptEngine and its version numbers, GetLocale, SetLocale,
// and the two functions an embedded player cannot serve (GetObject, LoadPicture).
#include "base/unicode_case.h"
#include "scripting/vbscript/lib_args.h"
#include "scripting/vbscript/lib_register.h"

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
  return Variant(kEnglishUs);
}

// Only US English is available; asking for it (by number or name) or for the system
// default succeeds, any other locale fails with E447.
Variant SetLocale(CallContext&, Args a) {
  if (Has(a, 0)) {
    const Variant& v = NotNull(a[0]);
    bool ok;
    if (v.IsString() && !ParseNumber(v.AsString()))
      ok = FoldCase(v.AsString()) == u"en-us";
    else
      ok = v.ToLong() == kEnglishUs || v.ToLong() == 0;
    if (!ok) throw VbError(vberr::kLocaleNotSupported);
  }
  return Variant(kEnglishUs);
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
