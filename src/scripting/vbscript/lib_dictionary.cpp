#include "scripting/vbscript/lib_dictionary.h"

#include <bit>
#include <functional>

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
Dictionary::KeyView Dictionary::ViewOf(const Variant& k, std::u16string& fold) const {
  KeyView v;
  switch (k.type()) {
    case VarType::Empty:
      v.kind = 'e';
      break;
    case VarType::Null:
      v.kind = 'z';
      break;
    case VarType::String:
      v.kind = 's';
      if (compare_mode_ >= 1) {
        fold = FoldCase(k.AsString());
        v.text = fold;
      } else {
        v.text = k.AsString();
      }
      v.hash = std::hash<std::u16string_view>()(v.text);
      return v;
    case VarType::Object:
      v.kind = 'o';
      v.bits = reinterpret_cast<uintptr_t>(k.AsObject());
      break;
    case VarType::Array:
      throw VbError(vberr::kTypeMismatch);
    case VarType::Error:
      v.kind = 'x';
      v.bits = static_cast<uint32_t>(k.AsErrorCode());
      break;
    default: {
      double d = k.ToDouble();
      if (d == 0) d = 0;  // one key for -0 and 0
      v.kind = 'n';
      v.bits = std::bit_cast<uint64_t>(d);
      break;
    }
  }
  // Mixes the bits so that nearby numbers and addresses spread over the table.
  uint64_t h = (v.bits ^ static_cast<uint64_t>(v.kind)) * 0x9E3779B97F4A7C15ull;
  v.hash = static_cast<size_t>(h ^ (h >> 29));
  return v;
}

bool Dictionary::Matches(const Entry& e, const KeyView& k) const {
  if (e.hash != k.hash) return false;
  const Variant& key = e.key;
  switch (k.kind) {
    case 'e':
      return key.IsEmpty();
    case 'z':
      return key.IsNull();
    case 's':
      return key.IsString() && (compare_mode_ >= 1 ? std::u16string_view(e.folded) == k.text
                                                   : std::u16string_view(key.AsString()) == k.text);
    default: {
      std::u16string unused;
      KeyView other = ViewOf(key, unused);
      return other.kind == k.kind && other.bits == k.bits;
    }
  }
}

long Dictionary::Lookup(const Variant& key) const {
  if (entries_.empty()) {
    if (key.IsArray()) throw VbError(vberr::kTypeMismatch);
    return -1;
  }
  std::u16string fold;
  KeyView k = ViewOf(key, fold);
  const size_t mask = slots_.size() - 1;
  for (size_t s = k.hash & mask;; s = (s + 1) & mask) {
    uint32_t at = slots_[s];
    if (at == 0) return -1;
    if (Matches(entries_[at - 1], k)) return static_cast<long>(at - 1);
  }
}

void Dictionary::IndexEntry(size_t i) {
  const size_t mask = slots_.size() - 1;
  size_t s = entries_[i].hash & mask;
  while (slots_[s] != 0) s = (s + 1) & mask;
  slots_[s] = static_cast<uint32_t>(i + 1);
}

void Dictionary::Reindex() {
  // At most half the slots in use keeps the probe sequences short.
  size_t n = 8;
  while (n < entries_.size() * 2) n *= 2;
  slots_.assign(n, 0);
  for (size_t i = 0; i < entries_.size(); ++i) IndexEntry(i);
}

void Dictionary::Insert(const Variant& key, Variant value) {
  std::u16string fold;
  KeyView k = ViewOf(key, fold);
  entries_.push_back({key, std::move(value), k.hash, std::move(fold)});
  if ((entries_.size()) * 2 > slots_.size())
    Reindex();
  else
    IndexEntry(entries_.size() - 1);
}

void Dictionary::RemoveAt(size_t i) {
  // Frees the entry's slot, moving back later slots of its probe run so that no search stops
  // early at the hole; then the positions after the removed entry move down by one.
  const size_t mask = slots_.size() - 1;
  size_t hole = entries_[i].hash & mask;
  while (slots_[hole] != i + 1) hole = (hole + 1) & mask;
  for (size_t s = (hole + 1) & mask; slots_[s] != 0; s = (s + 1) & mask) {
    size_t home = entries_[slots_[s] - 1].hash & mask;
    // The slot may move into the hole when its home is not after the hole (cyclically).
    if (((s - home) & mask) >= ((s - hole) & mask)) {
      slots_[hole] = slots_[s];
      slots_[s] = 0;
      hole = s;
    }
  }
  slots_[hole] = 0;
  entries_.erase(entries_.begin() + static_cast<long>(i));
  for (uint32_t& at : slots_)
    if (at > i + 1) --at;
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
      Entry& e = entries_[static_cast<size_t>(i)];
      std::u16string fold;
      e.hash = ViewOf(a[1], fold).hash;
      e.key = a[1];
      e.folded = std::move(fold);
      Reindex();
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
      slots_.clear();
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
