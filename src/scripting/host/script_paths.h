// How scripts name files: a bare name lies in the project folder, and a script may change
// files only inside the folders the player allows it.
#pragma once

#include <filesystem>
#include <string>

namespace sw {

class GameRuntime;

// A name without "\" gets the project folder in front; any other name is used as it is.
std::string CompleteProjectPath(const GameRuntime& runtime, const std::string& name);

// True when `path` lies inside `folder`, symbolic links followed.
bool IsInsideFolder(const std::filesystem::path& path, const std::filesystem::path& folder);

}  // namespace sw
