// Start to first frame of a 20-frame project, headless: folders, texts, project information,
// game window, reset (frame list included) and the first frame drawn from a 640 x 480 picture.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "authoring/project_writer.h"
#include "bench_project.h"
#include "core/game/game_runtime.h"
#include "core/game/startup.h"
#include "platform/platform.h"

namespace {

std::filesystem::path MakeProject() {
  const std::filesystem::path root = sw::bench::NewBenchProject("StartupBench", "Frame0");
  sw::ProjectWriter w(root / "game");
  w.WriteRaw("Frames/back.bmp", sw::MakeBmp(640, 480, [](int x, int y) {
               return static_cast<uint32_t>((x * 3) << 16 | (y * 2) << 8 | ((x + y) & 0xFF));
             }));
  for (int i = 0; i < 20; ++i) {
    sw::FrameFile f;
    f.FrameKind = 1;
    f.FrameBackground = "back.bmp";
    f.TimerEnabled = true;
    f.TimerDelay = sw::Variant(std::string("2"));
    f.TimerTarget = "Frame" + std::to_string((i + 1) % 20);
    w.WriteFrame("Frame" + std::to_string(i), f);
  }
  return root;
}

void BM_StartToFirstFrame(benchmark::State& state) {
  static const std::filesystem::path root = MakeProject();
  for (auto _ : state) {
    sw::platform::Platform platform;
    sw::PathResolver files;
    sw::UserSettings settings(root / "settings.ini");
    sw::GameRuntime runtime(platform, files, settings);
    sw::Startup startup(runtime, (root / "game").string());
    if (!startup.WelcomeLoad() || runtime.CurrentFrameName != "Frame0") {
      state.SkipWithError("the first frame did not open");
      break;
    }
    benchmark::DoNotOptimize(platform.Screenshot());
  }
}
BENCHMARK(BM_StartToFirstFrame)->Unit(benchmark::kMillisecond);

}  // namespace
