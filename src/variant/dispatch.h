// The interface through which scripts reach objects: host objects of the game and the
// script engine's own class instances alike. Members are found by name without regard to case.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "variant/variant.h"

namespace sw {

enum class InvokeKind {
  Get,   // read a property or call a method for its value: `x = o.M(1)`
  Call,  // call as a statement, result ignored: `o.M 1`
  Let,   // assign a value: `o.P(1) = v` (the value is the last argument)
  Set,   // assign an object: `Set o.P = v` (the value is the last argument)
};

// Arguments of one call. An argument may refer to a caller's variable (ByRef); reading gives
// the value and Assign writes through to the caller.
class Args {
 public:
  Args() = default;
  Args(Variant* items, size_t count) : items_(items), count_(count) {}

  size_t size() const { return count_; }
  bool empty() const { return count_ == 0; }
  const Variant& operator[](size_t i) const { return items_[i].Deref(); }
  // True when the argument was left out (`f 1,,2`).
  bool IsMissing(size_t i) const { return i >= count_ || items_[i].Deref().IsMissing(); }
  void Assign(size_t i, Variant v) const { items_[i].Deref() = std::move(v); }
  // The first n arguments (drops the assigned value of a Let/Set).
  Args First(size_t n) const { return Args(items_, n < count_ ? n : count_); }
  const Variant& back() const { return items_[count_ - 1].Deref(); }
  // The argument as passed: a reference (IsByRef) or a value.
  Variant& raw(size_t i) const { return items_[i]; }

 private:
  Variant* items_ = nullptr;
  size_t count_ = 0;
};

class Dispatch : public RefCounted {
 public:
  static constexpr int kDefaultMember = 0;
  static constexpr int kUnknownMember = -1;

  // What TypeName reports for the object.
  virtual std::string TypeName() const { return "Object"; }
  // Member id for a name (any case), kUnknownMember when there is none. Ids are >= 1;
  // kDefaultMember (0) always stands for the default member.
  virtual int FindMember(std::string_view name) = 0;
  // True when FindMember gives the same ids for every object of this class, so that a call
  // site may keep the id it found for the next object of the same class.
  virtual bool MembersFixedByClass() const { return false; }
  // Gets, calls or assigns a member. Throws VbError: 438 for an unknown member or a missing
  // default, 450 for wrong arguments, or any error of the member itself.
  virtual Variant Invoke(int member, InvokeKind kind, Args args) = 0;
  // Elements for `For Each`; E451 when the object is no collection.
  virtual std::vector<Variant> Enumerate() { throw VbError(vberr::kNotACollection); }

  // Convenience: find and invoke by name (E438 when absent).
  Variant InvokeByName(std::string_view name, InvokeKind kind, Args args);
  Variant Get(std::string_view name) { return InvokeByName(name, InvokeKind::Get, {}); }
  void Put(std::string_view name, Variant value);
};

}  // namespace sw
