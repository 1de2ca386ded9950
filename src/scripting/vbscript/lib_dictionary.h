// Scripting.Dictionary: keys of any value but arrays mapped to values, in insertion order.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "variant/dispatch.h"

namespace sw::vbs::lib {

class Dictionary : public Dispatch {
 public:
  std::string TypeName() const override { return "Dictionary"; }
  int FindMember(std::string_view name) override;
  Variant Invoke(int member, InvokeKind kind, Args args) override;
  std::vector<Variant> Enumerate() override;

 private:
  struct Entry {
    Variant key;
    Variant value;
  };
  std::string HashOf(const Variant& key) const;
  // Index of the key's entry, or -1.
  long Lookup(const Variant& key) const;
  void Insert(const Variant& key, Variant value);
  void RemoveAt(size_t i);
  Variant ItemsArray(bool keys) const;

  std::vector<Entry> entries_;
  std::unordered_map<std::string, size_t> index_;
  int32_t compare_mode_ = 0;
};

Ref<Dispatch> MakeDictionary();

}  // namespace sw::vbs::lib
