// Ordered collections of variable objects: 1-based positions in insertion order, optional
// unique keys found without regard to case, and enumeration for For Each.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/unicode_case.h"
#include "variables/variable.h"
#include "variant/host_object.h"

namespace sw {

namespace collection_errors {
// The underlying collection's failures: a bad position or key, and a key used twice.
inline VbError InvalidArgument() {
  return VbError(vberr::kInvalidProcedureCall);
}
inline VbError DuplicateKey() {
  return VbError(vberr::kKeyAlreadyExists);
}
}  // namespace collection_errors

template <class T, class V>
class VariableCollection {
 public:
  // Creates a variable, sets Name then Value, appends it under `key` when `key` is not empty.
  Ref<T> Add(const std::string& name, const V& value, const std::string& key = {}) {
    if (!key.empty() && FindKey(key) >= 0) throw collection_errors::DuplicateKey();
    Ref<T> item = MakeRef<T>();
    item->SetName(name);
    item->SetValue(value);
    items_.push_back({item, key});
    return item;
  }

  // By 1-based position (a number) or by key (a string).
  Ref<T> Item(const Variant& indexOrKey) const { return items_[Locate(indexOrKey)].object; }
  // By 1-based position.
  T& At(int32_t position) const { return *items_[Locate(Variant(position))].object; }
  int32_t Count() const { return static_cast<int32_t>(items_.size()); }
  void Remove(const Variant& indexOrKey) {
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(Locate(indexOrKey)));
  }
  void Clear() { items_.clear(); }

  // Every object in order, as script values.
  std::vector<Variant> NewEnum() const {
    std::vector<Variant> out;
    out.reserve(items_.size());
    for (const auto& entry : items_) out.emplace_back(Ref<Dispatch>(entry.object));
    return out;
  }

  // Iteration in C++ over the objects.
  template <class F>
  void ForEach(F&& visit) const {
    for (const auto& entry : items_) visit(*entry.object);
  }

 private:
  struct Entry {
    Ref<T> object;
    std::string key;
  };

  std::ptrdiff_t FindKey(const std::string& key) const {
    const std::string lower = FoldCase(key);
    for (size_t i = 0; i < items_.size(); ++i) {
      if (!items_[i].key.empty() && FoldCase(items_[i].key) == lower) {
        return static_cast<std::ptrdiff_t>(i);
      }
    }
    return -1;
  }

  size_t Locate(const Variant& indexOrKey) const {
    const Variant& v = indexOrKey.Deref();
    if (v.IsString()) {
      const std::ptrdiff_t at = FindKey(v.ToStringUtf8());
      if (at < 0) throw collection_errors::InvalidArgument();
      return static_cast<size_t>(at);
    }
    const int32_t position = v.ToLong();
    if (position < 1 || position > Count()) throw VbError(vberr::kSubscriptOutOfRange);
    return static_cast<size_t>(position - 1);
  }

  std::vector<Entry> items_;
};

// The integer variables, and the list of hotspots that disappeared (Name = frame, Value =
// hotspot number).
using VariablesCollection = VariableCollection<ClassVariable, int16_t>;
using VariantCollection = VariableCollection<ClassVariableVariant, Variant>;
using VariablesStrCollection = VariableCollection<ClassVariableString, std::string>;

}  // namespace sw
