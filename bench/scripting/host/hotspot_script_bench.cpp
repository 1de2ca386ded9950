// A hotspot click whose action runs a script, in a game whose procedures file holds 5,000
// lines, headless: the action file is read, the script host runs the procedures and the
// script with every host object, and the hotspots' visibility is refreshed.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "authoring/frame_data_writer.h"
#include "authoring/project_writer.h"
#include "bench_project.h"
#include "core/game/game_window.h"
#include "scripted_game.h"

namespace {

constexpr int kProcedureLines = 5000;

// Procedures of five lines each, as a large game's file holds them.
std::string Procedures() {
  std::string source;
  for (int i = 0; source.empty() || i * 5 < kProcedureLines; ++i) {
    const std::string n = std::to_string(i);
    source += "' Puzzle step " + n + "\r\nFunction Step" + n + "(x)\r\n  If x > " + n +
              " Then x = x - 1\r\n  Step" + n + " = x * 2 + " + n + "\r\nEnd Function\r\n";
  }
  return source + "Sub Done\r\nEnd Sub";
}

std::filesystem::path MakeProject() {
  const std::filesystem::path root = sw::bench::NewBenchProject("ScriptBench", "Room");
  sw::ProjectWriter w(root / "game");
  w.WriteVariables({"Door"}, {"Clicks", "Score"});
  w.WriteProcedures(Procedures(), true, "ScriptBench");
  sw::FrameFile room;
  room.FrameBackground = "0";
  w.WriteFrame("Room", room);
  sw::HotspotSpec lever, door;
  lever.Width = lever.Height = 100;
  door = lever;
  door.Left = 200;
  door.Conditions = true;
  door.MustBeOne = {"Door"};
  sw::WriteHotspots(w, "Room", {lever, door});
  sw::ActionSpec pull;
  pull.ScriptEnabled = true;
  pull.ScriptText =
      "Clicks = Clicks + 1\r\n"
      "Score = Step999(Clicks) + Step17(3)\r\n"
      "If Clicks Mod 2 = 0 Then Door = 1 Else Door = 0\r\n"
      "Hotspot(1).Left = Hotspot(1).Left\r\n"
      "If GetClickPositionX() > 10000 Then GoToFrame |Room|, 0, 0";
  sw::WriteActions(w, "Room", {pull, sw::ActionSpec{}});
  return root;
}

void BM_HotspotClickWithScriptAnd5000LineProcedures(benchmark::State& state) {
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
  } else if (game.Variable(1).ToLong() != static_cast<int32_t>(state.iterations())) {
    state.SkipWithError("the script did not run at each click");
  }
}
BENCHMARK(BM_HotspotClickWithScriptAnd5000LineProcedures)->Unit(benchmark::kMillisecond);

}  // namespace
