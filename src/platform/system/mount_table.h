// The system's table of mounted file systems (/proc/self/mounts): where discs and removable
// media are mounted, for games that read files from their discs.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace sw {

struct MountEntry {
  std::string device;
  std::string mount_point;  // as on disk, escapes undone
  std::string type;         // file system type: "iso9660", "udf", "vfat" ...
};

inline constexpr const char* kSystemMountTable = "/proc/self/mounts";

// The entries of a mount table text, in table order; malformed lines are skipped.
std::vector<MountEntry> ParseMountTable(std::string_view text);
// Reads and parses a mount table file; an unreadable file is an empty table. At most 1 MB is
// read: a real table is far smaller.
std::vector<MountEntry> ReadMountTable(const std::filesystem::path& file = kSystemMountTable);

}  // namespace sw
