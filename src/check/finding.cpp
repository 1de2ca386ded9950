#include "check/finding.h"

#include <algorithm>

namespace sw::check {

std::string FormatFinding(const Finding& finding) {
  std::string text = finding.file;
  if (finding.line > 0) text += ":" + std::to_string(finding.line);
  text += finding.severity == Severity::kError ? ": error: " : ": warning: ";
  return text + finding.message;
}

bool HasErrors(const std::vector<Finding>& findings) {
  return std::any_of(findings.begin(), findings.end(),
                     [](const Finding& f) { return f.severity == Severity::kError; });
}

}  // namespace sw::check
