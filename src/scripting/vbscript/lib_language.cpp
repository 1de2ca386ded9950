// Built-ins that reach into the engine: Eval, Execute, ExecuteGlobal, Err, GetRef, MsgBox,
// InputBox and Randomize.
#include "base/unicode_case.h"
#include "base/utf.h"
#include "scripting/vbscript/err_object.h"
#include "scripting/vbscript/lib_register.h"
#include "scripting/vbscript/runtime.h"

namespace sw::vbs {
namespace {

// Text of an Execute/Eval argument: objects through their default value; numbers, Null and
// Empty are a type mismatch.
std::string CodeText(const Variant& a) {
  Variant v = a.IsObject() ? a.DefaultValue() : a;
  if (!v.IsString()) throw VbError(vberr::kTypeMismatch);
  return Utf16ToUtf8(v.AsString());
}

Variant Eval(CallContext& c, Args a) {
  const Variant& v = a[0];
  if (v.IsObject()) {
    Variant d = v.DefaultValue();
    return c.rt.EvalText(c.frame, d.ToUtf8(), true);
  }
  if (!v.IsString()) return v;
  return c.rt.EvalText(c.frame, Utf16ToUtf8(v.AsString()), true);
}

Variant Execute(CallContext& c, Args a) {
  c.rt.ExecuteText(c.frame, CodeText(a[0]), false);
  return Variant();
}

Variant ExecuteGlobal(CallContext& c, Args a) {
  c.rt.ExecuteText(c.frame, CodeText(a[0]), true);
  return Variant();
}

Variant Err(CallContext& c, Args) {
  return Variant(c.rt.err_ref());
}

// The object GetRef returns: calling it (its default member) calls the procedure.
class ProcRef : public Dispatch {
 public:
  ProcRef(Runtime* rt, const ProcDef* p, std::shared_ptr<const Unit> keep)
      : rt_(rt), proc_(p), keep_(std::move(keep)) {}
  int FindMember(std::string_view) override { return kUnknownMember; }
  Variant Invoke(int member, InvokeKind kind, Args args) override {
    if (member != kDefaultMember || kind == InvokeKind::Let || kind == InvokeKind::Set)
      throw VbError(vberr::kNotSupported);
    return rt_->CallProc(proc_, nullptr, args);
  }

 private:
  Runtime* rt_;
  const ProcDef* proc_;
  std::shared_ptr<const Unit> keep_;
};

Variant GetRef(CallContext& c, Args a) {
  const Variant& v = a[0];
  if (!v.IsString()) throw VbError(vberr::kTypeMismatch);
  GlobalEntry* e = c.rt.Find(FoldCase(Utf16ToUtf8(v.AsString())));
  if (!e || e->kind != GlobalEntry::kProc) throw VbError(vberr::kInvalidProcedureCall);
  return Variant(Ref<Dispatch>(MakeRef<ProcRef>(&c.rt, e->proc, e->owner)));
}

Variant MsgBox(CallContext& c, Args a) {
  std::string prompt = a[0].ToUtf8();
  int buttons = a.size() > 1 && !a.IsMissing(1) ? a[1].ToLong() : 0;
  std::string title = a.size() > 2 && !a.IsMissing(2) ? a[2].ToUtf8() : std::string();
  return Variant(static_cast<int16_t>(c.rt.host()->MsgBox(prompt, buttons, title)));
}

Variant InputBox(CallContext& c, Args a) {
  std::string prompt = a[0].ToUtf8();
  std::string title = a.size() > 1 && !a.IsMissing(1) ? a[1].ToUtf8() : std::string();
  std::string def = a.size() > 2 && !a.IsMissing(2) ? a[2].ToUtf8() : std::string();
  auto r = c.rt.host()->InputBox(prompt, title, def);
  return Variant(r ? *r : std::string());
}

Variant Randomize(CallContext& c, Args a) {
  if (!c.as_statement) throw VbError(vberr::kTypeMismatch);
  c.rt.rnd.Randomize(a);  // library: reseeds Rnd (lib_rnd.h)
  return Variant();
}

}  // namespace

namespace lib {

void RegisterLibLanguage(BuiltinTable& t) {
  t.AddFunction("Eval", 1, 1, Eval);
  t.AddFunction("Execute", 1, 1, Execute);
  t.AddFunction("ExecuteGlobal", 1, 1, ExecuteGlobal);
  t.AddFunction("Err", 0, 0, Err);
  t.AddFunction("GetRef", 1, 1, GetRef);
  t.AddFunction("MsgBox", 1, 5, MsgBox);
  t.AddFunction("InputBox", 1, 7, InputBox);
  t.AddFunction("Randomize", 0, 1, Randomize);
}

}  // namespace lib

}  // namespace sw::vbs
