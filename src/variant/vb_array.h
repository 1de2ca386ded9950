// Arrays of variants: one to sixty dimensions, fixed or dynamic, with VB's bounds rules.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "variant/variant.h"

namespace sw {

class VbArray : public RefCounted {
 public:
  struct Bound {
    int32_t lower = 0;
    int32_t count = 0;
  };

  // An unallocated dynamic array (`Dim d()`): no dimensions yet.
  VbArray() = default;
  explicit VbArray(std::vector<Bound> bounds, bool fixed = false);
  // A one-dimensional, zero-based array of the given values.
  static Ref<VbArray> FromValues(std::vector<Variant> values);

  int dims() const { return static_cast<int>(bounds_.size()); }
  bool allocated() const { return !bounds_.empty(); }
  bool fixed() const { return fixed_; }
  // Throws E9 for a dimension out of range or an unallocated array. dim counts from 1.
  int32_t LBound(int dim = 1) const;
  int32_t UBound(int dim = 1) const;
  const std::vector<Bound>& bounds() const { return bounds_; }
  size_t size() const { return data_.size(); }

  // Element by indexes; E9 when their count or any value is out of range.
  Variant& At(std::span<const int32_t> idx);
  // One-dimensional fast path, inline for an index in range.
  Variant& At1(int32_t i) {
    if (bounds_.size() == 1) [[likely]] {
      const uint32_t k = Offset(i, bounds_[0].lower);
      if (k < static_cast<uint32_t>(bounds_[0].count)) [[likely]]
        return data_[k];
    }
    return At1Slow(i);
  }
  std::vector<Variant>& data() { return data_; }
  const std::vector<Variant>& data() const { return data_; }

  // ReDim: E10 on a fixed or locked array, E9 when Preserve changes more than the last bound.
  void Redim(std::vector<Bound> bounds, bool preserve);
  // Erase: fixed arrays keep bounds with Empty elements; dynamic ones are freed.
  void Erase();

  // While an element is passed by reference the array may not be resized.
  void Lock() { ++locks_; }
  void Unlock() { --locks_; }
  bool locked() const { return locks_ > 0; }

  Ref<VbArray> Clone() const;

 private:
  // An index's distance from the lower bound, worked out without signed overflow; an index
  // below the bound wraps to a distance beyond any count.
  static uint32_t Offset(int32_t index, int32_t lower) {
    return static_cast<uint32_t>(index) - static_cast<uint32_t>(lower);
  }

  Variant& At1Slow(int32_t i);

  std::vector<Bound> bounds_;
  std::vector<Variant> data_;
  bool fixed_ = false;
  int locks_ = 0;
};

}  // namespace sw
