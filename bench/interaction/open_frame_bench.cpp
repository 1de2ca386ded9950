// Opening a frame with 60 hotspots (pictures, pointers, variable conditions) and 20 texts,
// headless with warm picture caches: the frame's hotspot, text and action files are read,
// the elements made, and one visibility pass decides each hotspot from 40 variables.
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

constexpr int kHotspots = 60;
constexpr int kTexts = 20;
constexpr int kVariables = 40;

std::string VariableName(int i) {
  return "Var" + std::to_string(i);
}

std::filesystem::path MakeProject() {
  const std::filesystem::path root = sw::bench::NewBenchProject("InteractionBench", "Room");
  sw::ProjectWriter w(root / "game");
  std::vector<std::string> names;
  for (int i = 0; i < kVariables; ++i) names.push_back(VariableName(i));
  w.WriteVariables(names);
  sw::FrameFile room;
  room.FrameBackground = "0";
  w.WriteFrame("Room", room);
  w.WriteRaw("Areas/item.bmp", sw::MakeBmp(32, 32, [](int x, int y) {
               return static_cast<uint32_t>(x * 8 << 16 | y * 8);
             }));
  w.WriteRaw("Icons/hand.bmp", sw::MakeBmp(16, 16, [](int, int) { return 0xFFFFFFu; }));
  std::vector<sw::HotspotSpec> hotspots;
  std::vector<sw::ActionSpec> actions;
  for (int i = 0; i < kHotspots; ++i) {
    sw::HotspotSpec h;
    h.Left = (i % 10) * 64;
    h.Top = (i / 10) * 64;
    h.Width = h.Height = 60;
    h.HasPicture = true;
    h.PictureFile = "item.bmp";
    h.Stretch = i % 2 == 0;
    h.PointerFile = i % 3 == 0 ? "hand.bmp" : "";
    h.Conditions = true;
    h.MustBeOne = {VariableName(i % kVariables), VariableName((i + 7) % kVariables)};
    h.MustBeZero = {VariableName((i + 13) % kVariables)};
    hotspots.push_back(h);
    sw::ActionSpec a;
    a.GoToFrame = true;
    a.TargetFrame = "Room";
    actions.push_back(a);
  }
  sw::WriteHotspots(w, "Room", hotspots);
  sw::WriteActions(w, "Room", actions);
  std::vector<sw::TextSpec> texts;
  for (int i = 0; i < kTexts; ++i) {
    sw::TextSpec t;
    t.Caption = "Caption number " + std::to_string(i);
    t.Left = 10 + (i % 4) * 150;
    t.Top = 400 + (i / 4) * 14;
    texts.push_back(t);
  }
  sw::WriteTexts(w, "Room", texts);
  return root;
}

void BM_OpenFrameWithHotspotsAndTexts(benchmark::State& state) {
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
  for (int i = 0; i < kVariables; i += 2)
    interaction->variables().ChangeVariableValue(VariableName(i), 1);
  for (auto _ : state) {
    runtime.game()->OpenFrame("Room");
    benchmark::DoNotOptimize(interaction->hotspots.Area(kHotspots));
  }
  if (runtime.game()->form().UBound("Area") != kHotspots ||
      !platform.messages().records().empty()) {
    state.SkipWithError("the frame was not opened as expected");
  }
}
BENCHMARK(BM_OpenFrameWithHotspotsAndTexts)->Unit(benchmark::kMillisecond);

}  // namespace
