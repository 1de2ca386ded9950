// The native-stack half of the guard against runaway recursion: the compiler and every
// recursive path of the run time (nested expressions, calls, Execute and Eval, default
// members, Class_Terminate) ask it before going deeper, so a hostile script gets "Out of
// stack space" (or a compile error) instead of overrunning the thread's stack.
#pragma once

#include <thread>

namespace sw::vbs {

// Where the caller is on the native stack (the stack grows down). Reading the stack pointer
// costs one instruction and, unlike a frame address, needs no frame pointer.
inline const char* StackPosition() {
#if defined(__x86_64__)
  const char* sp;
  asm volatile("mov %%rsp, %0" : "=r"(sp));
  return sp;
#elif defined(__aarch64__)
  const char* sp;
  asm volatile("mov %0, sp" : "=r"(sp));
  return sp;
#else
  return static_cast<const char*>(__builtin_frame_address(0));
#endif
}

class StackGuard {
 public:
  // Takes the limit of the calling thread; cheap when it is the thread seen last.
  void Arm() {
    if (!limit_ || thread_ != std::this_thread::get_id()) Measure();
  }
  // True when the frame at `position` is too deep to go on safely.
  bool Exhausted(const char* position) const { return position < limit_; }
  const char* limit() const { return limit_; }

 private:
  void Measure();
  const char* limit_ = nullptr;
  std::thread::id thread_;
};

}  // namespace sw::vbs
