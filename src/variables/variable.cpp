#include "variables/variable.h"

#include "base/unicode_case.h"
#include "variant/host_object.h"

namespace sw {

int NamedVariable::FindMember(std::string_view name) {
  const std::string lower = FoldCase(name);
  if (lower == "value") return kValue;
  if (lower == "name") return kName;
  return kUnknownMember;
}

Variant NamedVariable::Invoke(int member, InvokeKind kind, Args args) {
  if (member == kDefaultMember) member = kValue;
  if (member != kValue && member != kName) throw VbError(vberr::kNotSupported);
  if (kind == InvokeKind::Let || kind == InvokeKind::Set) {
    if (args.size() != 1) throw VbError(vberr::kWrongArguments);
    if (member == kValue) {
      AssignValue(args[0]);
    } else {
      SetName(args[0].ToStringUtf8());
    }
    return Variant();
  }
  if (!args.empty()) throw VbError(vberr::kWrongArguments);
  return member == kValue ? ValueAsVariant() : Variant(name_);
}

}  // namespace sw
