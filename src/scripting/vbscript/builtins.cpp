#include "scripting/vbscript/builtins.h"

#include "base/unicode_case.h"

namespace sw::vbs {

void BuiltinTable::AddFunction(std::string_view name, int min_args, int max_args, BuiltinFn fn) {
  BuiltinDef& d = table_[FoldCase(name)];
  d.name = std::string(name);
  d.fn = fn;
  d.min_args = min_args;
  d.max_args = max_args;
}

void BuiltinTable::AddConstant(std::string_view name, Variant value) {
  BuiltinDef& d = table_[FoldCase(name)];
  d.name = std::string(name);
  d.is_constant = true;
  d.constant = std::move(value);
}

void BuiltinTable::AddClass(std::string_view name, BuiltinClassFn make) {
  BuiltinDef& d = table_[FoldCase(name)];
  if (d.name.empty()) d.name = std::string(name);
  d.make_object = make;
}

const BuiltinDef* BuiltinTable::Find(const std::string& lower_name) const {
  auto it = table_.find(lower_name);
  if (it == table_.end() || (!it->second.fn && !it->second.is_constant)) return nullptr;
  return &it->second;
}

}  // namespace sw::vbs
