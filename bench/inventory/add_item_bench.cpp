// The inventory with 99 items: adding the 100th (item file read, icon from the warm picture
// cache, placed on the grid, the panel re-laid), and removing the first of 100 (every later
// item moves up one place).
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
#include "inventory/install.h"
#include "inventory/inventory.h"
#include "platform/platform.h"

namespace {

constexpr int kHeld = 99;

std::string ItemName(int i) {
  return "Item" + std::to_string(i);
}

std::filesystem::path MakeProject() {
  const std::filesystem::path root = sw::bench::NewBenchProject("InventoryBench", "Room");
  sw::ProjectWriter w(root / "game");
  w.WriteVariables({});
  sw::FrameFile room;
  room.FrameBackground = "0";
  w.WriteFrame("Room", room);
  for (int i = 1; i <= kHeld + 1; ++i) {
    const std::string icon = "icon" + std::to_string(i % 7) + ".bmp";
    w.WriteRaw("Areas/" + icon, sw::MakeBmp(32, 32, [i](int x, int y) {
                 return static_cast<uint32_t>((x * 8 + i) << 16 | y * 8);
               }));
    sw::WriteItem(w, ItemName(i), icon);
  }
  return root;
}

// A started game holding the first 99 items.
struct HeldItems {
  std::filesystem::path root = MakeProject();
  sw::platform::Platform platform;
  sw::PathResolver files;
  sw::UserSettings settings{root / "settings.ini"};
  sw::GameRuntime runtime{platform, files, settings};
  std::shared_ptr<void> interaction = sw::InstallInteraction(runtime);
  std::shared_ptr<sw::Inventory> inventory = sw::InstallInventory(runtime);

  bool Start() {
    sw::Startup startup(runtime, (root / "game").string());
    if (!startup.WelcomeLoad() || runtime.game() == nullptr) return false;
    for (int i = 1; i <= kHeld; ++i) inventory->items.AddPickedObject(ItemName(i), true);
    return inventory->items.ObjectsCount == kHeld && platform.messages().records().empty();
  }
};

void BM_AddHundredthItem(benchmark::State& state) {
  HeldItems game;
  if (!game.Start()) {
    state.SkipWithError("the game did not start with its items");
    return;
  }
  sw::InventoryItems& items = game.inventory->items;
  for (auto _ : state) {
    items.AddPickedObject(ItemName(kHeld + 1), true);
    state.PauseTiming();
    items.RemovePickedObject(kHeld + 1);
    state.ResumeTiming();
  }
  if (items.ObjectsCount != kHeld || !game.platform.messages().records().empty()) {
    state.SkipWithError("the item was not added and removed as expected");
  }
}
BENCHMARK(BM_AddHundredthItem)->Unit(benchmark::kMicrosecond);

void BM_RemoveFirstOfHundredItems(benchmark::State& state) {
  HeldItems game;
  if (!game.Start()) {
    state.SkipWithError("the game did not start with its items");
    return;
  }
  sw::InventoryItems& items = game.inventory->items;
  for (auto _ : state) {
    state.PauseTiming();
    items.AddPickedObject(ItemName(kHeld + 1), true);
    state.ResumeTiming();
    items.RemovePickedObject(1);
  }
  if (items.ObjectsCount != kHeld || !game.platform.messages().records().empty()) {
    state.SkipWithError("the item was not added and removed as expected");
  }
}
BENCHMARK(BM_RemoveFirstOfHundredItems)->Unit(benchmark::kMicrosecond);

}  // namespace
