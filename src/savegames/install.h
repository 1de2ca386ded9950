// Installs the saved-games subsystem into a game runtime's service slot, for the player and
// for tests and benchmarks that build a runtime of their own.
#pragma once

#include <memory>

namespace sw {

class GameRuntime;
class SavedGames;

// Replaces the runtime's saved-games service; returns the subsystem.
std::shared_ptr<SavedGames> InstallSavedGames(GameRuntime& runtime);

}  // namespace sw
