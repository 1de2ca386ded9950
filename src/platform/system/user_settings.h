// Per-user settings: text values kept by application, section and key (letter case ignored,
// as in the original's registry area), in a text file that survives restarts.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/system/case_folder.h"

namespace sw {

class UserSettings {
 public:
  // settings.conf in UserConfigDir().
  static std::filesystem::path DefaultFile();

  // Values and names are UTF-8 text, and so is the file. Nothing is read or created yet;
  // a missing file is an empty store.
  explicit UserSettings(std::filesystem::path file);

  // The stored value, or the default when there is none. Sees changes other processes made.
  std::string Get(std::string_view app, std::string_view section, std::string_view key,
                  std::string_view default_value = {}) const;
  // Stores a value and writes the file at once (atomically), creating its folder.
  // Throws VbError when the file cannot be written.
  void Set(std::string_view app, std::string_view section, std::string_view key,
           std::string_view value);
  // Removes one value; nothing when it is absent.
  void Remove(std::string_view app, std::string_view section, std::string_view key);

  const std::filesystem::path& file() const { return file_; }

 private:
  struct Record {
    std::string app, section, key, value;
  };
  void ReloadIfChanged() const;
  void Reload() const;
  void Save();
  std::vector<Record>::iterator Find(std::string_view app, std::string_view section,
                                     std::string_view key) const;

  std::filesystem::path file_;
  CaseFolder folder_;
  mutable std::vector<Record> records_;
  mutable std::optional<std::chrono::system_clock::time_point> stamp_;
  mutable std::uintmax_t size_ = 0;
};

}  // namespace sw
