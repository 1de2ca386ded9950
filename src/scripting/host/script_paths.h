// How scripts name files: a relative name lies in the project folder, and a script reaches
// files only inside the folders the player allows it (see GameRuntime::ConfinedPath).
#pragma once

#include <string>

namespace sw {

class GameRuntime;

// A relative name, with or without "\", gets the project folder in front; a rooted name is
// used as it is.
std::string CompleteProjectPath(const GameRuntime& runtime, const std::string& name);

}  // namespace sw
