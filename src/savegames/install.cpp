#include "savegames/install.h"

#include "core/game/game_runtime.h"
#include "savegames/saved_games.h"

namespace sw {

std::shared_ptr<SavedGames> InstallSavedGames(GameRuntime& runtime) {
  auto saved = std::make_shared<SavedGames>(runtime);
  runtime.subsystems().savedGames = std::make_unique<SavedGamesServiceImpl>(saved);
  return saved;
}

}  // namespace sw
