// A directory search that goes on where the previous call stopped, like the original's Dir:
// a pattern starts a new search, an empty pattern gives the next match.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/system/path_resolver.h"

namespace sw {

class DirSearch {
 public:
  // With a non-empty pattern: the first match (see PathResolver::List), remembering the rest.
  // With an empty pattern: the next match of the previous search. Empty when there is none.
  std::string Next(const PathResolver& resolver, std::string_view pattern_path,
                   int attributes = file_attr::kNormal);

 private:
  std::vector<std::string> matches_;
  size_t next_ = 0;
};

}  // namespace sw
