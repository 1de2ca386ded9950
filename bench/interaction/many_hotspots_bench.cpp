// Opening a frame whose hotspot file holds 40,000 empty records (a damaged or hostile game):
// loading the hotspot elements and looking them up must stay linear, well under a second.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "authoring/frame_data_writer.h"
#include "authoring/project_writer.h"
#include "bench_project.h"
#include "core/game/game_runtime.h"
#include "core/game/game_window.h"
#include "core/game/startup.h"
#include "interaction/install.h"
#include "interaction/interaction.h"
#include "platform/platform.h"

namespace {

constexpr int kHotspots = 40000;

std::filesystem::path MakeProject() {
  const std::filesystem::path root = sw::bench::NewBenchProject("ManyHotspotsBench", "Room");
  sw::ProjectWriter w(root / "game");
  w.WriteVariables({});
  sw::FrameFile room;
  room.FrameBackground = "0";
  w.WriteFrame("Room", room);
  sw::WriteHotspots(w, "Room", std::vector<sw::HotspotSpec>(kHotspots));
  return root;
}

void BM_OpenFrameWithFortyThousandEmptyHotspots(benchmark::State& state) {
  static const std::filesystem::path root = MakeProject();
  sw::platform::Platform platform;
  sw::PathResolver files;
  sw::UserSettings settings(root / "settings.ini");
  sw::GameRuntime runtime(platform, files, settings);
  auto interaction = sw::InstallInteraction(runtime);
  sw::Startup startup(runtime, (root / "game").string());
  if (!startup.WelcomeLoad() || runtime.CurrentFrameName != "Room") {
    state.SkipWithError("the frame did not open");
    return;
  }
  for (auto _ : state) {
    runtime.game()->OpenFrame("Room");
    benchmark::DoNotOptimize(runtime.game()->form().Find("Area", kHotspots));
  }
  if (runtime.game()->form().UBound("Area") != kHotspots) {
    state.SkipWithError("the hotspots were not all loaded");
  }
}
BENCHMARK(BM_OpenFrameWithFortyThousandEmptyHotspots)->Unit(benchmark::kMillisecond);

}  // namespace
