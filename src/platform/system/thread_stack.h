// The calling thread's native stack, so that recursive code can stop before it runs out.
#pragma once

#include <cstddef>

namespace sw {

struct ThreadStack {
  const char* low = nullptr;  // the lowest usable address (the stack grows down); null unknown
  size_t size = 0;
};

ThreadStack CurrentThreadStack();

}  // namespace sw
