// The list of frames shown, oldest first, that "go back to the last visited frame" walks.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace sw {

class FramesHistory {
 public:
  static constexpr size_t kMaxNames = 20;

  // Appends a frame unless it is already the last one; keeps at most 20 names.
  void Add(const std::string& frameName);

  // Going back: with fewer than two names there is nowhere to go (nullopt); otherwise the
  // current frame is dropped and the one before it is returned.
  std::optional<std::string> TakeLastVisited();

  // Appends a name as it is, without the limit (a saved game's list being restored).
  void Append(const std::string& frameName) { names_.push_back(frameName); }
  void Clear() { names_.clear(); }
  const std::vector<std::string>& names() const { return names_; }
  size_t size() const { return names_.size(); }

 private:
  std::vector<std::string> names_;
};

// True when a frame target is the reserved name for the previous frame; `bracketed` selects
// the frame timer's spelling "[last visited frame]" over the actions' "last visited frame".
bool IsLastVisitedFrame(const std::string& target, bool bracketed);

}  // namespace sw
