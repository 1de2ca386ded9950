// Whole-file reads, and whole-file writes that never leave a half-written file behind.
#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace sw {

// The file's bytes; nothing when it is missing or cannot be read.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& file);

// Writes a temporary file beside the target and renames it over the target, so readers see
// either the old or the new content. The folder must exist. Throws VbError: 76 Path not
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
