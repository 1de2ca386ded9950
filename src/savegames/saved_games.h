// The saved-games subsystem of a running game: writing the game's state to a saved game,
// reading one back (checked whole before the running game is touched), the save dialog and
// the load dialog with their pauses of the game's timers, and their part of the state dump.
#pragma once

#include <memory>
#include <string>

#include "core/game/subsystems.h"
#include "platform/state_dump.h"
#include "savegames/save_files.h"
#include "savegames/saved_game.h"

namespace sw::platform {
class Form;
}

namespace sw {

class GameRuntime;

class SavedGames {
 public:
  explicit SavedGames(GameRuntime& runtime);
  SavedGames(const SavedGames&) = delete;
  SavedGames& operator=(const SavedGames&) = delete;

  GameRuntime& runtime() { return runtime_; }
  SaveFiles& files() { return files_; }

  // --- The file ----------------------------------------------------------------------------
  // The running game as a saved game holds it, dated now.
  SavedGame CaptureGame();
  // Writes the running game to `path` (a game path ending in ".sav"): a temporary file beside
  // it is renamed over it once complete, so an earlier save survives any failure. Throws
  // VbError (70 for a read-only saved game).
  void WriteGameFile(const std::string& path);
  // Reads and checks a saved game: every value, and that the frame it resumes on exists.
  // Throws VbError; the running game is not touched.
  SavedGame ReadGameFile(const std::string& path);
  // Restores a saved game over a reset game, the variables of the project loaded: the
  // variables, disappeared hotspots, items, visited frames and variant variables.
  void ApplySavedGame(const SavedGame& game);
  // The frame a saved game resumes on.
  std::string ResumeFrame(const SavedGame& game);

  // --- The dialogs -------------------------------------------------------------------------
  // The Save menu command and its key: the frame timer and the timed events wait meanwhile.
  void MenuSaveGame();
  // The save dialog, shown modally until it is hidden.
  void ShowSaveDialog();
  // The load dialog during a game.
  void ShowLoadGameWindow(bool abortIfATimerIsEnabled);
  // The load dialog of the welcome window.
  void ShowLoadDialogFromWelcome();
  // The load command as the shell offers it: during a game, or from the welcome window.
  void LoadCommand();

  // Loads a saved game chosen in the load dialog `dialog` (closed on the way); false when it
  // could not be read (its message shown, the dialog still open, the game as it was).
  bool LoadGame(const SavedGameEntry& entry, platform::Form* dialog);

  bool Cancelled = false;
  // True from the moment a checked saved game starts loading until the game runs again.
  bool Loading = false;
  bool SaveDialogShown = false;
  bool LoadDialogShown = false;

 private:
  // Lets events run for `ms` milliseconds of the game's clock.
  void Pause(int ms);

  GameRuntime& runtime_;
  SaveFiles files_;
  platform::StateDump::Registration dump_;
};

// The runtime's saved-games service, backed by the subsystem.
class SavedGamesServiceImpl final : public SavedGamesService {
 public:
  explicit SavedGamesServiceImpl(std::shared_ptr<SavedGames> owner) : owner_(std::move(owner)) {}
  void ShowSaveDialog() override { owner_->ShowSaveDialog(); }
  void ShowLoadGameWindow(bool abortIfATimerIsEnabled) override {
    owner_->ShowLoadGameWindow(abortIfATimerIsEnabled);
  }

 private:
  std::shared_ptr<SavedGames> owner_;
};

}  // namespace sw
