// Reading and writing values of INI (private-profile) files on disk, found through the path
// resolver; each write replaces the file atomically and keeps every other line. Files are in
// the game's code page; names and values here are UTF-8.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/system/path_resolver.h"

namespace sw {

class PrivateProfile {
 public:
  explicit PrivateProfile(PathResolver& resolver) : resolver_(resolver) {}

  // The value, or the default (trailing blanks removed) when the file, section or key is
  // missing or the file cannot be read.
  std::string Read(std::string_view file, std::string_view section, std::string_view key,
                   std::string_view default_value = {}) const;
  // Creates the file, section or key as needed. The folder must exist.
  // Throws VbError (76 Path not found, 70 Permission denied ...) when it cannot be written.
  void Write(std::string_view file, std::string_view section, std::string_view key,
             std::string_view value);
  // Removes a key; a missing file or key is no error.
  void Remove(std::string_view file, std::string_view section, std::string_view key);
  // The key names of a section in file order; empty when there is no such section.
  std::vector<std::string> Keys(std::string_view file, std::string_view section) const;

 private:
  // The file's text as UTF-8; nothing when it cannot be read.
  std::optional<std::string> ReadText(const std::filesystem::path& resolved) const;

  PathResolver& resolver_;
};

}  // namespace sw
