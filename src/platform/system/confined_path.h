// Where a game may read and write: its own folder, its disc roots and the player's per-user
// data folder. A name a script gives is taken relative to the game folder, found without
// regard to case, and followed link by link; one that ends up elsewhere is refused.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/system/path_resolver.h"

namespace sw {

struct AllowedRoots {
  std::string game_folder;              // as the game names it ("/games/x/")
  std::vector<std::string> disc_roots;  // the folders of the game's other discs
  std::filesystem::path user_data;      // the player's per-user data folder
};

// True for a name that stands on its own: it starts with '\' or '/', or with a drive letter.
bool IsRootedGamePath(std::string_view name);

// The game path of a script-given name: relative names, with or without '\', lie in the
// game folder; rooted names are kept.
std::string CompleteGamePath(std::string_view game_folder, std::string_view name);

// The real location of an absolute path: every symbolic link replaced by its target, one
// component at a time, never by a lookup that could block. A missing part and everything
// after it is taken as written. Nothing on a loop of links or more than 40 of them.
std::optional<std::filesystem::path> RealLocation(const std::filesystem::path& absolute);

// True when `real` (a real location) lies in or is one of the given real folders.
bool LiesInside(const std::filesystem::path& real, const std::vector<std::filesystem::path>& roots);

// Resolves a script-given name to the file on disk that the game may read or write. Throws
// VbError 70 "Permission denied" when its real location lies outside every allowed root.
// The path returned is the real location, links already followed.
std::filesystem::path ConfinedPath(const PathResolver& resolver, const AllowedRoots& roots,
                                   std::string_view name);

// The same check for a path already resolved on disk (relative paths lie in the game folder).
bool MayAccess(const AllowedRoots& roots, const std::filesystem::path& resolved);

}  // namespace sw
