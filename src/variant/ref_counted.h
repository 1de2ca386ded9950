// Intrusive reference counting for values that variants share: strings, arrays and objects.
// Single-threaded by design (the whole player runs on one thread), so counts are plain ints.
#pragma once

#include <cstdint>
#include <utility>

namespace sw {

// Base of every object a variant can point to. When the last reference goes, OnFinalRelease
// runs; its default deletes the object. Script objects override it to run their terminator first.
class RefCounted {
 public:
  RefCounted() = default;
  RefCounted(const RefCounted&) = delete;
  RefCounted& operator=(const RefCounted&) = delete;

  void AddRef() const noexcept { ++refs_; }
  void Release() const noexcept {
    if (--refs_ == 0) const_cast<RefCounted*>(this)->OnFinalRelease();
  }
  int32_t ref_count() const noexcept { return refs_; }

 protected:
  virtual ~RefCounted() = default;
  // Called when the count drops to zero. An override may revive the object temporarily
  // (AddRef) as long as it balances that before deleting.
  virtual void OnFinalRelease() noexcept { delete this; }

 private:
  mutable int32_t refs_ = 0;
};

// Owning smart pointer for RefCounted types.
template <typename T>
class Ref {
 public:
  Ref() noexcept = default;
  Ref(std::nullptr_t) noexcept {}
  explicit Ref(T* p) noexcept : p_(p) {
    if (p_) p_->AddRef();
  }
  Ref(const Ref& o) noexcept : p_(o.p_) {
    if (p_) p_->AddRef();
  }
  Ref(Ref&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
  template <typename U>
  Ref(const Ref<U>& o) noexcept : p_(o.get()) {
    if (p_) p_->AddRef();
  }
  ~Ref() {
    if (p_) p_->Release();
  }
  Ref& operator=(Ref o) noexcept {
    std::swap(p_, o.p_);
    return *this;
  }

  T* get() const noexcept { return p_; }
  T* operator->() const noexcept { return p_; }
  T& operator*() const noexcept { return *p_; }
  explicit operator bool() const noexcept { return p_ != nullptr; }
  // Gives up ownership without releasing (used by containers that manage counts themselves).
  T* Detach() noexcept { return std::exchange(p_, nullptr); }
  // Adopts a pointer whose reference was already counted.
  static Ref Adopt(T* p) noexcept {
    Ref r;
    r.p_ = p;
    return r;
  }

  friend bool operator==(const Ref& a, const Ref& b) { return a.p_ == b.p_; }

 private:
  T* p_ = nullptr;
};

// Creates a reference-counted object: MakeRef<Foo>(args...).
template <typename T, typename... A>
Ref<T> MakeRef(A&&... args) {
  return Ref<T>(new T(std::forward<A>(args)...));
}

}  // namespace sw
