#include "savegames/saved_games.h"

#include <ctime>
#include <nlohmann/json.hpp>

#include "base/vb_error.h"
#include "core/game/game_runtime.h"
#include "core/game/game_window.h"
#include "core/valuefile/value_reader.h"
#include "core/valuefile/value_writer.h"
#include "platform/platform.h"
#include "platform/system/confined_path.h"
#include "platform/system/file_io.h"
#include "platform/timer.h"
#include "savegames/load_dialog.h"
#include "savegames/resume.h"
#include "savegames/save_dialog.h"

namespace sw {
namespace {

constexpr int kLoadingPauseMs = 300;

double LocalToday() {
  const std::time_t now = std::time(nullptr);
  const std::tm local = *std::localtime(&now);
  return DateSerialOf(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

// A value of the file taken as text, as the loader puts it into a list.
std::string AsText(const Variant& value) {
  return value.ToStringUtf8();
}

// True while one of the scripts' object timers runs.
bool AnyObjectTimerRuns(GameWindow& game) {
  platform::Form& form = game.form();
  for (int index : form.Indices("TimerObject")) {
    if (index == 0) continue;
    auto* timer = dynamic_cast<platform::TimerElement*>(form.Find("TimerObject", index));
    if (timer && timer->enabled() && timer->interval() > 0) return true;
  }
  return false;
}

}  // namespace

SavedGames::SavedGames(GameRuntime& runtime) : runtime_(runtime), files_(runtime) {
  dump_ = runtime_.platform().state().Add([this](nlohmann::json& out) {
    auto names = nlohmann::json::array();
    for (const auto& entry : files_.List()) names.push_back(runtime_.ForDisplay(entry.name));
    out["savedGames"] = names;
    out["saveDialog"] = SaveDialogShown;
    out["loadDialog"] = LoadDialogShown;
  });
}

SavedGame SavedGames::CaptureGame() {
  GameSubsystems& sub = runtime_.subsystems();
  SavedGame game;
  game.frame = Variant(runtime_.CurrentFrameName);
  game.variables = sub.variables->IntegerValues();
  game.disappeared = sub.variables->DisappearedHotspots();
  for (const auto& name : sub.inventory->ItemNames()) game.items.emplace_back(name);
  for (const auto& name : runtime_.FramesHistory.names()) game.history.emplace_back(name);
  game.settingsSection = runtime_.info.SettingsSection;
  game.title = runtime_.info.Title;
  game.date = Variant(SavedGameDate(LocalToday()));
  game.variants = sub.variables->VariantValues();
  return game;
}

void SavedGames::WriteGameFile(const std::string& path) {
  const std::filesystem::path resolved = runtime_.files().Resolve(path);
  // A saved game made read-only is kept from being replaced.
  if (IsReadOnlyFile(resolved)) throw VbError(vberr::kPermissionDenied);
  ValueWriter writer;
  WriteSavedGame(writer, CaptureGame());
  writer.SaveTo(resolved, runtime_.files());
}

std::string SavedGames::ResumeFrame(const SavedGame& game) {
  return GetResumeLocation(runtime_, AsText(game.frame));
}

SavedGame SavedGames::ReadGameFile(const std::string& path) {
  const std::filesystem::path resolved = runtime_.files().Resolve(path);
  // A saved game that is a link to a file elsewhere is not read: a game reads only its own
  // folders and the player's.
  if (!MayAccess(runtime_.FileRoots(), resolved)) throw VbError(vberr::kPermissionDenied);
  ValueReader reader = ValueReader::FromFile(resolved, runtime_.files().codec());
  SavedGame game = ReadSavedGame(reader);
  // Everything the loading takes as text must be text.
  for (const auto& item : game.items) AsText(item);
  for (const auto& frame : game.history) AsText(frame);
  const std::string frame = ResumeFrame(game);
  if (frame.empty() || !runtime_.FileExists(runtime_.folders.FramesFolder + frame + ".fme")) {
    throw VbError(vberr::kFileNotFound);
  }
  return game;
}

void SavedGames::ApplySavedGame(const SavedGame& game) {
  GameSubsystems& sub = runtime_.subsystems();
  for (const auto& [name, value] : game.variables) sub.variables->SetIntegerValue(name, value);
  for (const auto& [frame, index] : game.disappeared) sub.variables->AddDisappeared(frame, index);
  for (const auto& item : game.items) sub.inventory->AddPickedObject(AsText(item), false);
  if (game.hasHistory) {
    runtime_.FramesHistory.Clear();
    for (const auto& frame : game.history) runtime_.FramesHistory.Append(AsText(frame));
  }
  for (const auto& [name, value] : game.variants) {
    sub.variables->ChangeVariableVariantValue(name, value);
  }
}

void SavedGames::Pause(int ms) {
  platform::Platform& platform = runtime_.platform();
  auto& clock = platform.clock();
  const auto start = clock.NowMs();
  platform.events().RunModal([&] { return clock.NowMs() - start >= ms; });
}

bool SavedGames::LoadGame(const SavedGameEntry& entry, platform::Form* dialog) {
  GameRuntime& rt = runtime_;
  GameSubsystems& sub = rt.subsystems();
  const std::string path = entry.Path();
  // The whole file is read and checked before anything of the running game changes, so a
  // damaged file leaves the game where it was.
  SavedGame game;
  std::string frame;
  try {
    game = ReadGameFile(path);
    frame = ResumeFrame(game);
  } catch (const std::exception&) {
    rt.ShowStandardError(" Unable to load '" + path + "'.");
    return false;
  }
  platform::Desktop& desktop = rt.platform().desktop();
  Loading = true;
  struct Done {
    bool& flag;
    ~Done() { flag = false; }
  } done{Loading};
  GameWindow* window = rt.game();  // 2
  if (window == nullptr) {
    window = &rt.LoadGameWindow();
    window->Load();
  }
  window->PictureBox.SetVisible(false);
  desktop.SetScreenPointer(platform::MousePointer::kHourglass);
  Pause(kLoadingPauseMs);
  if (rt.info.StartAtOnce) {  // 3
    if (rt.DisplayModeRequestedByLoad != 0) {
      sub.shell->ChangeToProjectResolution(rt.DisplayModeRequestedByLoad);
    }
  } else if (sub.welcome->ResolutionChecked() && rt.info.ResolutionOffer == 1) {
    if (dialog) dialog->Hide();
    sub.welcome->Hide();
    sub.shell->ChangeToProjectResolution(rt.info.ResolutionMode + 1);
  }
  Pause(kLoadingPauseMs);  // 4
  if ((window = rt.game()) == nullptr) return false;
  window->ResetAll();
  Pause(kLoadingPauseMs);
  sub.variables->LoadVariables();
  Pause(kLoadingPauseMs);
  ApplySavedGame(game);                                   // 5
  if (dialog && dialog->is_modal()) dialog->EndModal(1);  // 6
  Pause(kLoadingPauseMs);
  if ((window = rt.game()) == nullptr) return true;
  window->OpenFrame(frame);  // 7
  Pause(kLoadingPauseMs);    // 8
  if ((window = rt.game()) != nullptr) {
    window->PictureBox.SetVisible(true);
    window->form().Show();
    rt.platform().SetWindowRole("game");
  }
  Cancelled = false;
  if (!rt.info.StartAtOnce) sub.welcome->Hide();
  Pause(kLoadingPauseMs);  // 9
  desktop.SetScreenPointer(platform::MousePointer::kDefault);
  return true;
}

void SavedGames::MenuSaveGame() {
  GameWindow* game = runtime_.game();
  if (game == nullptr) return;
  const bool timerWasOn = game->Timer1.enabled();
  game->Timer1.SetEnabled(false);
  runtime_.subsystems().timedEvents->PauseTimedEvents();
  ShowSaveDialog();
  if (GameWindow* still = runtime_.game()) still->Timer1.SetEnabled(timerWasOn);
  runtime_.subsystems().timedEvents->StartTimedEvents();
}

void SavedGames::ShowSaveDialog() {
  SaveDialog dialog(*this);
  dialog.LoadSaveGames();
  dialog.ShowModal();
}

void SavedGames::ShowLoadGameWindow(bool abortIfATimerIsEnabled) {
  GameWindow* game = runtime_.game();
  if (game == nullptr) return;
  if (abortIfATimerIsEnabled && AnyObjectTimerRuns(*game)) return;  // 1
  const bool timerWasOn = game->Timer1.enabled();                   // 2
  game->Timer1.SetEnabled(false);
  runtime_.subsystems().timedEvents->PauseTimedEvents();
  Cancelled = false;  // 3
  {
    LoadDialog dialog(*this);
    dialog.LoadSaveGames();
    dialog.ShowModal();
  }
  if (Cancelled) {  // 4
    if (GameWindow* still = runtime_.game()) still->Timer1.SetEnabled(timerWasOn);
    runtime_.subsystems().timedEvents->StartTimedEvents();
  }
}

void SavedGames::ShowLoadDialogFromWelcome() {
  Cancelled = false;
  LoadDialog dialog(*this);
  dialog.LoadSaveGames();
  dialog.ShowModal();
}

void SavedGames::LoadCommand() {
  GameWindow* game = runtime_.game();
  if (game != nullptr && game->form().visible()) {
    ShowLoadGameWindow(false);
  } else {
    ShowLoadDialogFromWelcome();
  }
}

}  // namespace sw
