#include "core/frames/frames_history.h"

#include "base/unicode_case.h"

namespace sw {

void FramesHistory::Add(const std::string& frameName) {
  if (!names_.empty() && names_.back() == frameName) return;
  names_.push_back(frameName);
  while (names_.size() > kMaxNames) names_.erase(names_.begin());
}

std::optional<std::string> FramesHistory::TakeLastVisited() {
  if (names_.size() < 2) return std::nullopt;
  names_.pop_back();
  return names_.back();
}

bool IsLastVisitedFrame(const std::string& target, bool bracketed) {
  const std::string lower = FoldCase(target);
  return lower == (bracketed ? "[last visited frame]" : "last visited frame");
}

}  // namespace sw
