#include "platform/system/thread_stack.h"

#include <pthread.h>

namespace sw {

ThreadStack CurrentThreadStack() {
  ThreadStack s;
  pthread_attr_t attr;
  if (pthread_getattr_np(pthread_self(), &attr) != 0) return s;
  void* addr = nullptr;
  size_t size = 0;
  size_t guard = 0;
  if (pthread_attr_getstack(&attr, &addr, &size) == 0 && addr != nullptr) {
    pthread_attr_getguardsize(&attr, &guard);
    if (guard < size) {
      s.low = static_cast<const char*>(addr) + guard;
      s.size = size - guard;
    }
  }
  pthread_attr_destroy(&attr);
  return s;
}

}  // namespace sw
