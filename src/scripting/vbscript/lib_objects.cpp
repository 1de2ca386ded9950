// Objects scripts create: CreateObject for Scripting.Dictionary, VBScript.RegExp and
// Scripting.FileSystemObject, and `New RegExp`.
#include "base/unicode_case.h"
#include "base/utf.h"
#include "scripting/vbscript/lib_args.h"
#include "scripting/vbscript/lib_dictionary.h"
#include "scripting/vbscript/lib_filesystem.h"
#include "scripting/vbscript/lib_regexp.h"
#include "scripting/vbscript/lib_register.h"
#include "scripting/vbscript/runtime.h"

namespace sw::vbs::lib {
namespace {

Variant CreateObject(CallContext& c, Args a) {
  std::string id = FoldCase(Utf16ToUtf8(TextArg(a[0])));
  if (id == "scripting.dictionary") return Variant(MakeDictionary());
  if (id == "vbscript.regexp") return Variant(MakeRegExp());
  if (id == "scripting.filesystemobject")
    return Variant(MakeFileSystemObject(c.rt.host()->file_access(), c.rt.host()->code_page()));
  throw VbError(vberr::kCannotCreateObject);
}

Ref<Dispatch> NewRegExp(Runtime&) {
  return MakeRegExp();
}

}  // namespace

void RegisterLibObjects(BuiltinTable& t) {
  t.AddFunction("CreateObject", 1, 2, CreateObject);
  t.AddClass("RegExp", NewRegExp);
}

}  // namespace sw::vbs::lib
