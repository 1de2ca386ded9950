// Member lookup for the library's objects: a fixed list of names, found without regard to
// case, with ids counting from 1 in list order.
#pragma once

#include <initializer_list>
#include <string_view>

#include "base/ascii.h"
#include "variant/dispatch.h"

namespace sw::vbs::lib {

inline int FindMemberIn(std::string_view name, std::initializer_list<std::string_view> names) {
  int id = 1;
  for (std::string_view n : names) {
    if (EqualsIgnoringAsciiCase(n, name)) return id;
    ++id;
  }
  return Dispatch::kUnknownMember;
}

// Fails with E450 unless the call has exactly `n` arguments.
inline void ArgCount(Args a, size_t n) {
  if (a.size() != n) throw VbError(vberr::kWrongArguments);
}

inline bool IsPut(InvokeKind k) {
  return k == InvokeKind::Let || k == InvokeKind::Set;
}

}  // namespace sw::vbs::lib
