// Error handling in the original's two styles: a routine that reports its first failure in
// one message, and a routine that skips each failing statement and goes on.
#pragma once

#include <exception>
#include <string>
#include <utility>

#include "base/vb_error.h"

namespace sw {

// The VB-style description of whatever was thrown.
inline std::string ErrorDescription(const std::exception& e) {
  if (const auto* vb = dynamic_cast<const VbError*>(&e)) return vb->description();
  return e.what();
}

// Runs one statement; a failure is remembered in `failed` (with its description) and the
// caller goes on with the next statement.
class StepRunner {
 public:
  template <class F>
  bool Run(F&& step) {
    try {
      std::forward<F>(step)();
      return true;
    } catch (const std::exception& e) {
      if (!failed_) description_ = ErrorDescription(e);
      failed_ = true;
      return false;
    }
  }
  bool failed() const { return failed_; }
  const std::string& description() const { return description_; }
  void Clear() {
    failed_ = false;
    description_.clear();
  }

 private:
  bool failed_ = false;
  std::string description_;
};

}  // namespace sw
