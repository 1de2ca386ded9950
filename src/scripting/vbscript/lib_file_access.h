// The file policy of scripts' FileSystemObject: how a script's path becomes a path on disk,
// and where scripts may write. Hosts install theirs through ScriptHost::file_access.
#pragma once

#include <filesystem>
#include <string_view>

namespace sw::vbs {

// The default policy takes paths as given (with '\' as a separator), allows every read and
// no writes.
class FileAccess {
 public:
  virtual ~FileAccess() = default;
  // The path on disk a script's path names (scripts use '\' and any letter case).
  virtual std::filesystem::path Resolve(std::string_view script_path) const;
  // True when scripts may create, change or delete the file at `resolved`.
  virtual bool MayWrite(const std::filesystem::path& resolved) const;
  // True when scripts may read the file at `resolved` or learn whether it exists.
  virtual bool MayRead(const std::filesystem::path& resolved) const;
};

}  // namespace sw::vbs
