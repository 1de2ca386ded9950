#include "platform/system/dir_search.h"

namespace sw {

std::string DirSearch::Next(const PathResolver& resolver, std::string_view pattern_path,
                            int attributes) {
  if (!pattern_path.empty()) {
    matches_ = resolver.List(pattern_path, attributes);
    next_ = 0;
  }
  if (next_ >= matches_.size()) return std::string();
  return matches_[next_++];
}

}  // namespace sw
