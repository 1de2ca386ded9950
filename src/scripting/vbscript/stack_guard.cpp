#include "scripting/vbscript/stack_guard.h"

#include <algorithm>
#include <cstddef>

#include "platform/system/thread_stack.h"

namespace sw::vbs {
namespace {

// Stack kept free below the last check for what runs without checking: built-in functions,
// host methods (a message box runs the window's event loop) and one level of expression.
// Address sanitizer frames are several times larger.
#if defined(__SANITIZE_ADDRESS__)
constexpr size_t kMinReserve = 512 * 1024;
constexpr size_t kMaxReserve = 3 * 1024 * 1024;
#else
constexpr size_t kMinReserve = 128 * 1024;
constexpr size_t kMaxReserve = 1024 * 1024;
#endif
// Used when the thread's stack cannot be measured: the room assumed below the first check.
constexpr size_t kAssumedRoom = 4 * 1024 * 1024;

}  // namespace

void StackGuard::Measure() {
  thread_ = std::this_thread::get_id();
  const char* here = StackPosition();
  ThreadStack s = CurrentThreadStack();
  if (!s.low || here <= s.low || static_cast<size_t>(here - s.low) > s.size) {
    limit_ = here - kAssumedRoom;
    return;
  }
  size_t reserve = std::clamp(s.size / 8, kMinReserve, kMaxReserve);
  reserve = std::min(reserve, s.size / 2);
  limit_ = s.low + reserve;
}

}  // namespace sw::vbs
