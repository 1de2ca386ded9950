// Engine speed on the four reference workloads; bench/lua holds the same programs in Lua and
// tools/bench-vs-lua.sh prints the ratios.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>

#include "scripting/vbscript/engine.h"
#include "variant/host_object.h"

namespace {

using sw::Variant;
using sw::vbs::Engine;

void Check(const sw::vbs::Result& r, benchmark::State& state) {
  if (!r.ok()) state.SkipWithError(r.error().description.c_str());
}

void BM_Fib25(benchmark::State& state) {
  Engine e;
  Check(e.AddCode("Function Fib(n)\n If n < 2 Then\n  Fib = n\n Else\n"
                  "  Fib = Fib(n - 1) + Fib(n - 2)\n End If\nEnd Function"),
        state);
  for (auto _ : state) {
    auto r = e.Run("Fib", {Variant(int16_t{25})});
    Check(r, state);
    benchmark::DoNotOptimize(r.value().ToLong());
  }
}
BENCHMARK(BM_Fib25)->Unit(benchmark::kMillisecond);

void BM_LoopArrayStores(benchmark::State& state) {
  Engine e;
  Check(e.AddCode("Function Work()\n Dim a(999), i, t\n t = 0\n For i = 1 To 1000000\n"
                  "  a(i Mod 1000) = i * 2\n  t = t + a(i Mod 1000) Mod 7\n Next\n"
                  " Work = t\nEnd Function"),
        state);
  for (auto _ : state) {
    auto r = e.Run("Work");
    Check(r, state);
    benchmark::DoNotOptimize(r.value().ToDouble());
  }
}
BENCHMARK(BM_LoopArrayStores)->Unit(benchmark::kMillisecond);

void BM_StringBuild(benchmark::State& state) {
  Engine e;
  Check(e.AddCode("Function Build()\n Dim s, i\n s = \"\"\n For i = 1 To 100000\n"
                  "  s = s & \"x\"\n Next\n Build = Len(s)\nEnd Function"),
        state);
  for (auto _ : state) {
    auto r = e.Run("Build");
    Check(r, state);
    benchmark::DoNotOptimize(r.value().ToLong());
  }
}
BENCHMARK(BM_StringBuild)->Unit(benchmark::kMillisecond);

// A 5,000-line procedures text like a large game's: 500 procedures of 10 lines.
std::string ProceduresText() {
  std::string t = "Dim gScore, gName\r\n";
  for (int i = 0; i < 500; ++i) {
    std::string n = std::to_string(i);
    t += "Function Helper" + n + "(a, b)\r\n";
    t += "  Dim k, s\r\n";
    t += "  s = \"\"\r\n";
    t += "  For k = 1 To a\r\n";
    t += "    s = s & Chr(65 + (k Mod 26))\r\n";
    t += "  Next\r\n";
    t += "  If b > " + n + " Then gScore = gScore + b Else gName = s\r\n";
    t += "  Select Case a : Case 1, 2 : s = \"low\" : Case Else : s = \"high\" : End Select\r\n";
    t += "  Helper" + n + " = s & b\r\n";
    t += "End Function\r\n";
  }
  return t;
}

void BM_UnchangedProcedures(benchmark::State& state) {
  Engine e;
  const std::string procs = ProceduresText();
  const std::string text = procs + "\r\n\r\nSub StartupProcedure\r\n\r\nEnd Sub";
  auto action = sw::MakeRef<sw::HostObject>("VBScriptActionModule");
  action->AddMethod("GoTo", [](sw::Args) { return Variant(); });
  for (auto _ : state) {
    e.Reset();
    Check(e.AddCode(text), state);
    Check(e.AddObject("Action", action, true), state);
    Check(e.Run("StartupProcedure"), state);
  }
}
BENCHMARK(BM_UnchangedProcedures)->Unit(benchmark::kMillisecond);

// The same text compiled afresh each time (a first line that differs defeats the reuse of
// unchanged procedures), as when a game starts.
void BM_CompileProcedures(benchmark::State& state) {
  Engine e;
  const std::string procs = ProceduresText();
  int run = 0;
  for (auto _ : state) {
    e.Reset();
    Check(e.AddCode("' run " + std::to_string(++run) + "\r\n" + procs), state);
  }
}
BENCHMARK(BM_CompileProcedures)->Unit(benchmark::kMillisecond);

}  // namespace
