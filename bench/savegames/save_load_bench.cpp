// Saving and loading a large game: 500 variables (300 integer, 200 variant), 200 disappeared
// hotspots, 50 items and a history of 1,000 frames. Loading is the whole file read and
// checked, the reset, the variables file, the restored state and the resumed frame; the
// pauses between the loading steps are left out.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "authoring/inventory_writer.h"
#include "authoring/project_writer.h"
#include "bench_project.h"
#include "core/game/game_runtime.h"
#include "core/game/game_window.h"
#include "core/game/startup.h"
#include "interaction/install.h"
#include "interaction/interaction.h"
#include "inventory/install.h"
#include "platform/platform.h"
#include "savegames/install.h"
#include "savegames/saved_games.h"

namespace {

constexpr int kIntegers = 300;
constexpr int kVariants = 200;
constexpr int kDisappeared = 200;
constexpr int kItems = 50;
constexpr int kHistory = 1000;

std::filesystem::path MakeProject() {
  const std::filesystem::path root = sw::bench::NewBenchProject("SavedGamesBench", "Room");
  sw::ProjectWriter w(root / "game");
  std::vector<std::string> integers, variants;
  for (int i = 0; i < kIntegers; ++i) integers.push_back("Count" + std::to_string(i));
  for (int i = 0; i < kVariants; ++i) variants.push_back("Note" + std::to_string(i));
  w.WriteVariables(integers, variants);
  sw::FrameFile room;
  room.FrameBackground = "0";
  w.WriteFrame("Room", room);
  w.WriteRaw("Areas/icon.bmp", sw::MakeBmp(32, 32, [](int x, int y) {
               return static_cast<uint32_t>(x << 16 | y << 3);
             }));
  for (int i = 0; i < kItems; ++i) sw::WriteItem(w, "Item" + std::to_string(i), "icon.bmp");
  return root;
}

struct LargeGame {
  std::filesystem::path root = MakeProject();
  sw::platform::Platform platform;
  sw::PathResolver files;
  sw::UserSettings settings{root / "settings.ini"};
  sw::GameRuntime runtime{platform, files, settings};
  std::shared_ptr<sw::Interaction> interaction = sw::InstallInteraction(runtime);
  std::shared_ptr<void> inventory = sw::InstallInventory(runtime);
  std::shared_ptr<sw::SavedGames> saved = sw::InstallSavedGames(runtime);
  std::string path = (root / "game" / "Large.sav").string();

  bool Start() {
    sw::Startup startup(runtime, (root / "game").string());
    if (!startup.WelcomeLoad() || runtime.game() == nullptr) return false;
    sw::VariableStore& v = interaction->variables();
    for (int i = 0; i < kIntegers; ++i) v.ChangeVariableValue("Count" + std::to_string(i), 7);
    for (int i = 0; i < kVariants; ++i) {
      v.ChangeVariableVariantValue("Note" + std::to_string(i),
                                   sw::Variant("note, number " + std::to_string(i)));
    }
    for (int i = 0; i < kDisappeared; ++i) v.AddDisappeared("Room", static_cast<int16_t>(i));
    for (int i = 0; i < kItems; ++i) {
      runtime.subsystems().inventory->AddPickedObject("Item" + std::to_string(i), true);
    }
    for (int i = 0; i < kHistory; ++i) runtime.FramesHistory.Append("Room");
    return platform.messages().records().empty();
  }
};

void BM_SaveLargeGame(benchmark::State& state) {
  LargeGame game;
  if (!game.Start()) {
    state.SkipWithError("the game did not start");
    return;
  }
  for (auto _ : state) game.saved->WriteGameFile(game.path);
  state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(game.path));
}
BENCHMARK(BM_SaveLargeGame)->Unit(benchmark::kMillisecond);

void BM_LoadLargeGame(benchmark::State& state) {
  LargeGame game;
  if (!game.Start()) {
    state.SkipWithError("the game did not start");
    return;
  }
  game.saved->WriteGameFile(game.path);
  sw::GameWindow& window = *game.runtime.game();
  for (auto _ : state) {
    const sw::SavedGame saved = game.saved->ReadGameFile(game.path);
    window.ResetAll();
    game.runtime.subsystems().variables->LoadVariables();
    game.saved->ApplySavedGame(saved);
    window.OpenFrame(game.saved->ResumeFrame(saved));
  }
  if (game.runtime.subsystems().inventory->ItemNames().size() != kItems ||
      game.interaction->variables().Disappear.Count() != kDisappeared ||
      !game.platform.messages().records().empty()) {
    state.SkipWithError("the game did not load back");
  }
}
BENCHMARK(BM_LoadLargeGame)->Unit(benchmark::kMillisecond);

}  // namespace
