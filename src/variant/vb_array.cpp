#include "variant/vb_array.h"

namespace sw {

VbArray::VbArray(std::vector<Bound> bounds, bool fixed)
    : bounds_(std::move(bounds)), fixed_(fixed) {
  // More elements than memory can hold fail as "Out of memory" instead of aborting.
  constexpr size_t kMaxElements = size_t{1} << 28;
  if (bounds_.size() > 60) throw VbError(vberr::kSubscriptOutOfRange);
  size_t n = 1;
  // A bound below -1 (`ReDim a(-5)`) makes an empty dimension, as Redim does: a negative
  // count kept here would let every index pass the unsigned range checks.
  for (Bound& b : bounds_) {
    if (b.count < 0) b.count = 0;
    n *= static_cast<size_t>(b.count);
    if (n > kMaxElements) throw VbError(vberr::kOutOfMemory);
  }
  data_.resize(bounds_.empty() ? 0 : n);
}

Ref<VbArray> VbArray::FromValues(std::vector<Variant> values) {
  auto a = MakeRef<VbArray>(std::vector<Bound>{{0, static_cast<int32_t>(values.size())}});
  a->data_ = std::move(values);
  return a;
}

int32_t VbArray::LBound(int dim) const {
  if (dim < 1 || dim > dims()) throw VbError(vberr::kSubscriptOutOfRange);
  return bounds_[dim - 1].lower;
}

int32_t VbArray::UBound(int dim) const {
  if (dim < 1 || dim > dims()) throw VbError(vberr::kSubscriptOutOfRange);
  return bounds_[dim - 1].lower + bounds_[dim - 1].count - 1;
}

Variant& VbArray::At1Slow(int32_t i) {
  if (bounds_.size() != 1) throw VbError(vberr::kSubscriptOutOfRange);
  const uint32_t k = Offset(i, bounds_[0].lower);
  if (k >= static_cast<uint32_t>(bounds_[0].count)) throw VbError(vberr::kSubscriptOutOfRange);
  return data_[k];
}

Variant& VbArray::At(std::span<const int32_t> idx) {
  if (idx.size() != bounds_.size() || idx.empty()) throw VbError(vberr::kSubscriptOutOfRange);
  // The first index varies fastest, as in VB's memory layout.
  size_t off = 0, stride = 1;
  for (size_t d = 0; d < idx.size(); ++d) {
    const uint32_t k = Offset(idx[d], bounds_[d].lower);
    if (k >= static_cast<uint32_t>(bounds_[d].count)) throw VbError(vberr::kSubscriptOutOfRange);
    off += k * stride;
    stride *= static_cast<size_t>(bounds_[d].count);
  }
  return data_[off];
}

void VbArray::Redim(std::vector<Bound> bounds, bool preserve) {
  if (fixed_ || locked()) throw VbError(vberr::kArrayLocked);
  for (Bound& b : bounds)
    if (b.count < 0) b.count = 0;
  if (preserve && allocated()) {
    if (bounds.size() != bounds_.size()) throw VbError(vberr::kSubscriptOutOfRange);
    for (size_t d = 0; d + 1 < bounds.size(); ++d)
      if (bounds[d].count != bounds_[d].count || bounds[d].lower != bounds_[d].lower)
        throw VbError(vberr::kSubscriptOutOfRange);
    // Only the last dimension changes, so elements keep their offsets.
    size_t inner = 1;
    for (size_t d = 0; d + 1 < bounds.size(); ++d) inner *= bounds[d].count;
    data_.resize(inner * static_cast<size_t>(bounds.back().count));
    bounds_ = std::move(bounds);
    return;
  }
  VbArray fresh(std::move(bounds));
  bounds_ = std::move(fresh.bounds_);
  data_ = std::move(fresh.data_);
}

void VbArray::Erase() {
  if (locked()) throw VbError(vberr::kArrayLocked);
  if (fixed_) {
    for (Variant& v : data_) v = Variant();
  } else {
    bounds_.clear();
    std::vector<Variant> old;
    old.swap(data_);  // released after the array is consistent again
  }
}

Ref<VbArray> VbArray::Clone() const {
  auto a = MakeRef<VbArray>();
  a->bounds_ = bounds_;
  a->data_ = data_;
  a->fixed_ = fixed_;
  // Nested arrays are values too.
  for (Variant& v : a->data_)
    if (v.IsArray()) v = Variant(v.AsArray()->Clone());
  return a;
}

}  // namespace sw
