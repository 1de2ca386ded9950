// A script loop reading a host object's property (a hotspot's Visible) 10,000 times, run by a
// hotspot click in a headless game: the cost of reaching the game's objects from a script.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "authoring/frame_data_writer.h"
#include "authoring/project_writer.h"
#include "bench_project.h"
#include "scripted_game.h"

namespace {

std::filesystem::path MakeProject() {
  const std::filesystem::path root = sw::bench::NewBenchProject("PropertyBench", "Room");
  sw::ProjectWriter w(root / "game");
  w.WriteVariables({}, {"Seen"});
  w.WriteProcedures("Sub Done\r\nEnd Sub", true, "PropertyBench");
  sw::FrameFile room;
  room.FrameBackground = "0";
  w.WriteFrame("Room", room);
  sw::HotspotSpec lever;
  lever.Width = lever.Height = 100;
  sw::WriteHotspots(w, "Room", {lever});
  sw::ActionSpec look;
  look.ScriptEnabled = true;
  look.ScriptText =
      "Dim i, n\r\nn = 0\r\n"
      "For i = 1 To 10000\r\n  If Hotspot(1).Visible Then n = n + 1\r\nNext\r\n"
      "Seen = n";
  sw::WriteActions(w, "Room", {look});
  return root;
}

void BM_HostPropertyRead(benchmark::State& state) {
  static const std::filesystem::path root = MakeProject();
  sw::bench::ScriptedGame game(root);
  if (!game.StartsIn("Room")) {
    state.SkipWithError("the frame did not open");
    return;
  }
  for (auto _ : state) {
    game.interaction->actions.AreaClick(1, sw::platform::kLeftButton);
  }
  if (const std::string failure = game.FirstMessage(); !failure.empty()) {
    state.SkipWithError(("the script failed: " + failure).c_str());
  } else if (game.Variable(1).ToLong() != 10000) {
    state.SkipWithError("the loop did not read the property");
  }
}
BENCHMARK(BM_HostPropertyRead)->Unit(benchmark::kMillisecond);

}  // namespace
