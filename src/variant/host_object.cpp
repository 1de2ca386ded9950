#include "variant/host_object.h"

#include "base/unicode_case.h"

namespace sw {

Variant Dispatch::InvokeByName(std::string_view name, InvokeKind kind, Args args) {
  int id = FindMember(name);
  if (id == kUnknownMember) throw VbError(vberr::kNotSupported);
  return Invoke(id, kind, args);
}

void Dispatch::Put(std::string_view name, Variant value) {
  InvokeByName(name, value.IsObject() ? InvokeKind::Set : InvokeKind::Let, Args(&value, 1));
}

void HostObject::AddProperty(std::string_view name, Getter get, Setter set) {
  members_.push_back({std::string(name), std::move(get), std::move(set), nullptr, -1});
  ids_[FoldCase(name)] = static_cast<int>(members_.size());
}

void HostObject::AddMethod(std::string_view name, Method m, int arity) {
  members_.push_back({std::string(name), nullptr, nullptr, std::move(m), arity});
  ids_[FoldCase(name)] = static_cast<int>(members_.size());
}

void HostObject::SetDefaultMember(std::string_view name) {
  default_id_ = FindMember(name);
}

int HostObject::FindMember(std::string_view name) {
  auto it = ids_.find(FoldCase(name));
  return it == ids_.end() ? kUnknownMember : it->second;
}

Variant HostObject::Invoke(int member, InvokeKind kind, Args args) {
  if (member == kDefaultMember) member = default_id_;
  if (member < 1 || member > static_cast<int>(members_.size())) throw VbError(vberr::kNotSupported);
  const Member& m = members_[member - 1];
  if (m.method) {
    if (kind == InvokeKind::Let || kind == InvokeKind::Set) throw VbError(vberr::kNotSupported);
    if (m.arity >= 0 && static_cast<int>(args.size()) != m.arity)
      throw VbError(vberr::kWrongArguments);
    return m.method(args);
  }
  if (kind == InvokeKind::Let || kind == InvokeKind::Set) {
    if (!m.set) throw VbError(vberr::kNotSupported);
    if (args.empty()) throw VbError(vberr::kWrongArguments);
    m.set(args.First(args.size() - 1), args.back());
    return Variant();
  }
  if (!m.get) throw VbError(vberr::kNotSupported);
  return m.get(args);
}

std::vector<Variant> HostObject::Enumerate() {
  if (!enumerator_) throw VbError(vberr::kNotACollection);
  return enumerator_();
}

}  // namespace sw
