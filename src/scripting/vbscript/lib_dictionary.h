// Scripting.Dictionary: keys of any value but arrays mapped to values, in insertion order.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "variant/dispatch.h"

namespace sw::vbs::lib {

class Dictionary : public Dispatch {
 public:
  std::string TypeName() const override { return "Dictionary"; }
  int FindMember(std::string_view name) override;
  bool MembersFixedByClass() const override { return true; }
  Variant Invoke(int member, InvokeKind kind, Args args) override;
  std::vector<Variant> Enumerate() override;

 private:
  // What makes two keys the same: their kind and either their text (folded in text mode) or
  // the bits of their number, error code or object address.
  struct KeyView {
    char kind;  // 'e' Empty, 'z' Null, 's' String, 'o' Object, 'x' Error, 'n' number
    uint64_t bits = 0;
    std::u16string_view text;
    size_t hash = 0;
  };
  struct Entry {
    Variant key;
    Variant value;
    size_t hash;
    std::u16string folded;  // text mode: the key's text with letter case folded
  };
  // `fold` holds the folded text of a String key in text mode.
  KeyView ViewOf(const Variant& key, std::u16string& fold) const;
  bool Matches(const Entry& e, const KeyView& k) const;
  // Index of the key's entry, or -1.
  long Lookup(const Variant& key) const;
  void Insert(const Variant& key, Variant value);
  void RemoveAt(size_t i);
  // Makes the index of entry positions anew (after a removal or a renamed key).
  void Reindex();
  void IndexEntry(size_t i);
  Variant ItemsArray(bool keys) const;

  std::vector<Entry> entries_;
  // Open addressing by hash: entry position + 1 per slot, 0 for a free slot. Entries are only
  // added between rebuilds, so no slot is ever freed.
  std::vector<uint32_t> slots_;
  int32_t compare_mode_ = 0;
};

Ref<Dispatch> MakeDictionary();

}  // namespace sw::vbs::lib
