// "Add game…": a folder chooser of our own widgets. It walks the folders from a starting one
// (a path can also be typed) and accepts only a game folder.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace sw::platform {
class Platform;
}

namespace sw::launcher {

// Shows the chooser modally; the game folder chosen, or nothing when cancelled.
std::optional<std::filesystem::path> ChooseGameFolder(platform::Platform& platform,
                                                      const std::filesystem::path& start);

// The sub-folders the chooser lists for `folder`: ".." first (except at the root), then
// the visible sub-folders sorted without regard to case, at most `limit` of them.
std::vector<std::string> SubFolders(const std::filesystem::path& folder, size_t limit = 2000);

}  // namespace sw::launcher
