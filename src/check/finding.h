// One thing the game check found: where (file and line below the game folder), how bad, and
// what, printed in the form compilers use so that editors can jump to it.
#pragma once

#include <string>
#include <vector>

namespace sw::check {

enum class Severity { kWarning, kError };

struct Finding {
  std::string file;  // below the game folder, "/" separators, names as on disk
  int line = 0;      // 1-based; 0 when the whole file is meant
  Severity severity = Severity::kError;
  std::string message;
};

// "FILE:LINE: error: message" ("FILE: ..." when the line is 0).
std::string FormatFinding(const Finding& finding);

bool HasErrors(const std::vector<Finding>& findings);

}  // namespace sw::check
