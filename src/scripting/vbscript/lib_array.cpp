// Array functions on text: Split, Join and Filter.
#include <vector>

#include "scripting/vbscript/lib_args.h"
#include "scripting/vbscript/lib_register.h"
#include "scripting/vbscript/lib_text.h"
#include "variant/vb_array.h"

namespace sw::vbs::lib {
namespace {

Variant StringArray(std::vector<std::u16string> parts) {
  std::vector<Variant> items;
  items.reserve(parts.size());
  for (auto& p : parts) items.emplace_back(std::move(p));
  return Variant(VbArray::FromValues(std::move(items)));
}

// The one-dimensional array an argument holds (objects through their default value).
Variant ArrayArg(const Variant& v0) {
  NotNull(v0);
  Variant v = v0.IsObject() ? v0.DefaultValue() : v0;
  if (!v.IsArray() || v.AsArray()->dims() > 1) throw VbError(vberr::kTypeMismatch);
  return v;
}

// Text of an element: Empty gives "", Null and arrays are a type mismatch.
std::u16string ElementText(const Variant& e) {
  if (e.IsNull() || e.IsArray()) throw VbError(vberr::kTypeMismatch);
  return e.ToString();
}

Variant Split(CallContext&, Args a) {
  std::u16string s = TextArg(a[0]);
  std::u16string delim = Has(a, 1) ? TextArg(a[1]) : std::u16string(u" ");
  int32_t count = Has(a, 2) ? LongArg(a[2]) : -1;
  if (count < -1) InvalidCall();
  bool text = TextCompareArg(a, 3);
  std::vector<std::u16string> parts;
  if (s.empty() || count == 0) return StringArray(std::move(parts));
  if (delim.empty()) {
    parts.push_back(s);
    return StringArray(std::move(parts));
  }
  size_t pos = 0;
  while (count == -1 || static_cast<int32_t>(parts.size()) < count - 1) {
    size_t at = FindText(s, delim, pos, text);
    if (at == std::u16string::npos) break;
    parts.push_back(s.substr(pos, at - pos));
    pos = at + delim.size();
  }
  parts.push_back(s.substr(pos));
  return StringArray(std::move(parts));
}

Variant Join(CallContext&, Args a) {
  Variant arr = ArrayArg(a[0]);
  std::u16string delim = Has(a, 1) ? TextArg(a[1]) : std::u16string(u" ");
  std::u16string out;
  const std::vector<Variant>& items = arr.AsArray()->data();
  for (size_t i = 0; i < items.size(); ++i) {
    if (i) out += delim;
    out += ElementText(items[i]);
  }
  return Variant(std::move(out));
}

Variant Filter(CallContext&, Args a) {
  Variant arr = ArrayArg(a[0]);
  std::u16string what = TextArg(a[1]);
  bool include = Has(a, 2) ? NotNull(a[2]).ToBool() : true;
  bool text = TextCompareArg(a, 3);
  std::vector<std::u16string> kept;
  for (const Variant& e : arr.AsArray()->data()) {
    std::u16string s = ElementText(e);
    bool found = FindText(s, what, 0, text) != std::u16string::npos;
    if (found == include) kept.push_back(std::move(s));
  }
  return StringArray(std::move(kept));
}

}  // namespace

void RegisterLibArrays(BuiltinTable& t) {
  t.AddFunction("Split", 1, 4, Split);
  t.AddFunction("Join", 1, 2, Join);
  t.AddFunction("Filter", 2, 4, Filter);
}

}  // namespace sw::vbs::lib
