// Per-user settings: text values kept by application, section and key (letter case ignored,
// as in the original's registry area), in a text file that survives restarts. The values
// live in memory; changes are written at once, except in a burst, where they are gathered
// and written together.
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
  // Stores a value and writes the file (atomically, creating its folder): at once, unless
  // many changes came in the last second; those are written by the first change after that
  // second, by Flush, or when the store ends. Throws VbError when the file cannot be written.
  void Set(std::string_view app, std::string_view section, std::string_view key,
           std::string_view value);
  // Removes one value; nothing when it is absent. Written as Set writes.
  void Remove(std::string_view app, std::string_view section, std::string_view key);
  // Writes the changes not yet written, merged with what other players wrote meanwhile.
  void Flush();
  ~UserSettings();
  UserSettings(UserSettings&&) = default;
  UserSettings& operator=(UserSettings&&) = delete;

  const std::filesystem::path& file() const { return file_; }

 private:
  struct Record {
    std::string app, section, key, value;
  };
  struct Change {
    bool remove = false;
    std::string app, section, key, value;
  };
  static constexpr int kBurst = 8;  // writes a second that go through at once
  void ReloadIfChanged() const;
  void Reload() const;
  void Save();
  void Apply(const Change& change) const;
  // Applies a change in memory and writes it, or keeps it for later in a burst.
  void Commit(Change change);
  std::vector<Record>::iterator Find(std::string_view app, std::string_view section,
                                     std::string_view key) const;

  std::filesystem::path file_;
  CaseFolder folder_;
  mutable std::vector<Record> records_;
  mutable std::optional<std::chrono::system_clock::time_point> stamp_;
  mutable std::uintmax_t size_ = 0;
  mutable bool loaded_ = false;
  std::vector<Change> pending_;  // applied in memory, not yet written
  std::chrono::steady_clock::time_point window_start_{};
  int writes_in_window_ = 0;
};

}  // namespace sw
