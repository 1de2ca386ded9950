// Where the inventory's files lie: item files and combination files in the areas folder, by
// item name, and the check that a name read from a game stays inside the game's folders.
#pragma once

#include <string>

namespace sw {

struct ProjectFolders;

// Item file: AreasFolder + name + ".obj".
std::string ItemFilePath(const ProjectFolders& folders, const std::string& item);
// Combination file: AreasFolder + A + "_on_" + B + ".drg".
std::string CombinationFilePath(const ProjectFolders& folders, const std::string& dragged,
                                const std::string& target);
// False for a name that would lead out of the game's folders ("..", a drive or a leading
// separator): such a name names no file of the game.
bool IsNameInsideFolder(const std::string& name);

}  // namespace sw
