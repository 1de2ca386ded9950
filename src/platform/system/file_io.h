// Whole-file reads, and whole-file writes that never leave a half-written file behind.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace sw {

// Largest files read, by kind: a damaged or hostile game cannot make the player read a
// device or a giant file into memory.
inline constexpr std::uintmax_t kMaxFileBytes = 256u << 20;         // anything else
inline constexpr std::uintmax_t kMaxProjectFileBytes = 16u << 20;   // value files of a game
inline constexpr std::uintmax_t kMaxIniFileBytes = 4u << 20;        // INI files
inline constexpr std::uintmax_t kMaxSettingsFileBytes = 16u << 20;  // the per-user settings

// The bytes of a regular file of at most max_bytes, links followed. Never blocks on a pipe
// or device. Throws VbError: 53 File not found when missing, 75 Path/File access error when
// it is no regular file, 7 Out of memory when larger than max_bytes, 70 Permission denied
// when it cannot be read.
std::string ReadRegularFile(const std::filesystem::path& file,
                            std::uintmax_t max_bytes = kMaxFileBytes);

// The same, but nothing in every one of those cases.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& file,
                                         std::uintmax_t max_bytes = kMaxFileBytes);

// Removes temporary files that interrupted writes of this program left in a folder: those
// named as WriteFileAtomically names them, whose writing process no longer runs.
void RemoveStaleTemporaryFiles(const std::filesystem::path& folder);

// Writes a temporary file beside the target and renames it over the target, so readers see
// either the old or the new content, even after a crash (the file and then its folder are
// synced to disk). The folder must exist. Throws VbError: 76 Path not
// found, 70 Permission denied, 61 Disk full, 75 Path/File access error.
void WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes);

// True when this program may create and replace files in the folder (it exists, and neither
// its permissions nor a read-only file system forbid it).
bool CanWriteInFolder(const std::filesystem::path& dir);
// True when the file exists and may not be written (read-only for this user).
bool IsReadOnlyFile(const std::filesystem::path& file);

// Time of the last change of a file or folder; nothing when it does not exist.
std::optional<std::chrono::system_clock::time_point> ModificationTime(
    const std::filesystem::path& path);

}  // namespace sw
