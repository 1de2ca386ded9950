#include "scripting/vbscript/lib_dictionary.h"

#include <cstdio>
#include <cstring>

#include "base/unicode_case.h"
#include "scripting/vbscript/lib_members.h"
#include "variant/vb_array.h"

namespace sw::vbs::lib {
namespace {

enum Member { kAdd = 1, kExists, kItem, kItems, kKey, kKeys, kRemove, kRemoveAll, kCount, kMode };

}  // namespace

Ref<Dispatch> MakeDictionary() {
  return MakeRef<Dictionary>();
}

int Dictionary::FindMember(std::string_view name) {
  return FindMemberIn(name, {"Add", "Exists", "Item", "Items", "Key", "Keys", "Remove", "RemoveAll",
                             "Count", "CompareMode"});
}

// Keys are equal when they are the same text (letter case ignored in text mode), the same
// number whatever its subtype, or the same object.
std::string Dictionary::HashOf(const Variant& k) const {
  switch (k.type()) {
    case VarType::Empty:
      return "e";
    case VarType::Null:
      return "z";
    case VarType::String: {
      std::u16string t = compare_mode_ >= 1 ? FoldCase(k.AsString()) : k.AsString();
      return "s" + std::string(reinterpret_cast<const char*>(t.data()), t.size() * 2);
    }
    case VarType::Object: {
      char buf[32];
      std::snprintf(buf, sizeof buf, "o%p", static_cast<void*>(k.AsObject()));
      return buf;
    }
    case VarType::Array:
      throw VbError(vberr::kTypeMismatch);
    case VarType::Error:
      return "x" + std::to_string(k.AsErrorCode());
    default: {
      double d = k.ToDouble();
      if (d == 0) d = 0;  // one key for -0 and 0
      std::string h(1 + sizeof d, 'n');
      std::memcpy(h.data() + 1, &d, sizeof d);
      return h;
    }
  }
}

long Dictionary::Lookup(const Variant& key) const {
  auto it = index_.find(HashOf(key));
  return it == index_.end() ? -1 : static_cast<long>(it->second);
}

void Dictionary::Insert(const Variant& key, Variant value) {
  index_[HashOf(key)] = entries_.size();
  entries_.push_back({key, std::move(value)});
}

void Dictionary::RemoveAt(size_t i) {
  index_.erase(HashOf(entries_[i].key));
  entries_.erase(entries_.begin() + static_cast<long>(i));
  for (size_t j = i; j < entries_.size(); ++j) index_[HashOf(entries_[j].key)] = j;
}

Variant Dictionary::ItemsArray(bool keys) const {
  std::vector<Variant> out;
  out.reserve(entries_.size());
  for (const Entry& e : entries_) out.push_back(keys ? e.key : e.value);
  return Variant(VbArray::FromValues(std::move(out)));
}

std::vector<Variant> Dictionary::Enumerate() {
  std::vector<Variant> keys;
  keys.reserve(entries_.size());
  for (const Entry& e : entries_) keys.push_back(e.key);
  return keys;
}

Variant Dictionary::Invoke(int member, InvokeKind kind, Args a) {
  if (member == kDefaultMember) member = kItem;
  bool put = IsPut(kind);
  switch (member) {
    case kAdd:
      if (put) break;
      ArgCount(a, 2);
      if (Lookup(a[0]) >= 0) throw VbError(vberr::kKeyAlreadyExists);
      Insert(a[0], a[1]);
      return Variant();
    case kExists:
      if (put) break;
      ArgCount(a, 1);
      return Variant(Lookup(a[0]) >= 0);
    case kItem: {
      if (put) {
        ArgCount(a, 2);
        Variant v = a[1];
        if (kind == InvokeKind::Set && !v.IsObject()) throw VbError(vberr::kObjectRequired);
        if (kind == InvokeKind::Let && v.IsObject()) v = v.DefaultValue();
        long i = Lookup(a[0]);
        if (i < 0)
          Insert(a[0], std::move(v));
        else
          entries_[static_cast<size_t>(i)].value = std::move(v);
        return Variant();
      }
      ArgCount(a, 1);
      long i = Lookup(a[0]);
      if (i < 0) {
        Insert(a[0], Variant());
        return Variant();
      }
      return entries_[static_cast<size_t>(i)].value;
    }
    case kItems:
    case kKeys:
      if (put) break;
      ArgCount(a, 0);
      return ItemsArray(member == kKeys);
    case kKey: {
      if (!put) break;
      ArgCount(a, 2);
      long i = Lookup(a[0]);
      if (i < 0) throw VbError(vberr::kElementNotFound);
      if (Lookup(a[1]) >= 0) throw VbError(vberr::kKeyAlreadyExists);
      index_.erase(HashOf(a[0]));
      entries_[static_cast<size_t>(i)].key = a[1];
      index_[HashOf(a[1])] = static_cast<size_t>(i);
      return Variant();
    }
    case kRemove: {
      if (put) break;
      ArgCount(a, 1);
      long i = Lookup(a[0]);
      if (i < 0) throw VbError(vberr::kElementNotFound);
      RemoveAt(static_cast<size_t>(i));
      return Variant();
    }
    case kRemoveAll:
      if (put) break;
      ArgCount(a, 0);
      entries_.clear();
      index_.clear();
      return Variant();
    case kCount:
      if (put) break;
      ArgCount(a, 0);
      return Variant(static_cast<int32_t>(entries_.size()));
    case kMode:
      if (put) {
        ArgCount(a, 1);
        int32_t m = a[0].ToLong();
        if (m < 0 || !entries_.empty()) throw VbError(vberr::kInvalidProcedureCall);
        compare_mode_ = m;
        return Variant();
      }
      ArgCount(a, 0);
      return Variant(compare_mode_);
    default:
      break;
  }
  throw VbError(vberr::kNotSupported);
}

}  // namespace sw::vbs::lib
