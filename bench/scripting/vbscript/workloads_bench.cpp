// Engine speed on the workloads games run every tick: method calls on a script class,
// Dictionary adds and look-ups, string functions over a long text, For Each over an array.
// bench/lua holds the same programs in Lua; tools/bench-vs-lua.sh prints the ratios.
#include <benchmark/benchmark.h>

#include <string>

#include "scripting/vbscript/engine.h"

namespace {

using sw::vbs::Engine;

// Compiles `code` once and runs its function `Work` at each iteration; the result must be
// `expected`, so a benchmark that stops doing its work fails instead of getting faster.
void RunWork(benchmark::State& state, const std::string& code, double expected) {
  Engine e;
  if (auto r = e.AddCode(code); !r.ok()) {
    state.SkipWithError(r.error().description.c_str());
    return;
  }
  for (auto _ : state) {
    auto r = e.Run("Work");
    if (!r.ok()) {
      state.SkipWithError(r.error().description.c_str());
      return;
    }
    if (r.value().ToDouble() != expected) {
      state.SkipWithError("wrong result");
      return;
    }
  }
}

void BM_MethodCalls(benchmark::State& state) {
  RunWork(state,
          "Class Counter\n Private n\n Sub Class_Initialize : n = 0 : End Sub\n"
          " Public Sub Add(k) : n = n + k : End Sub\n"
          " Public Function Total() : Total = n : End Function\nEnd Class\n"
          "Function Work()\n Dim c, i\n Set c = New Counter\n For i = 1 To 200000\n"
          "  c.Add i Mod 3\n Next\n Work = c.Total()\nEnd Function",
          200001.0);
}
BENCHMARK(BM_MethodCalls)->Unit(benchmark::kMillisecond);

void BM_DictionaryAddLookup(benchmark::State& state) {
  RunWork(state,
          "Function Work()\n Dim d, i, t\n Set d = CreateObject(\"Scripting.Dictionary\")\n"
          " For i = 1 To 20000\n  d.Add \"key\" & i, i\n Next\n t = 0\n"
          " For i = 1 To 20000\n  If d.Exists(\"key\" & i) Then t = t + d(\"key\" & i)\n Next\n"
          " Work = t\nEnd Function",
          200010000.0);
}
BENCHMARK(BM_DictionaryAddLookup)->Unit(benchmark::kMillisecond);

void BM_StringFunctions(benchmark::State& state) {
  RunWork(state,
          "Function Work()\n Dim s, i, t, r\n s = String(10000, \"a\") & \"needle\"\n t = 0\n"
          " For i = 1 To 200\n  t = t + InStr(s, \"needle\") + Len(Mid(s, i * 10, 50))\n"
          "  r = Replace(s, \"aa\", \"b\")\n  t = t + Len(r)\n Next\n"
          " Work = t\nEnd Function",
          200.0 * (10001 + 50 + 5006));
}
BENCHMARK(BM_StringFunctions)->Unit(benchmark::kMillisecond);

void BM_ForEachArray(benchmark::State& state) {
  RunWork(state,
          "Function Work()\n Dim a(9999), i, t, v, k\n For i = 0 To 9999 : a(i) = i : Next\n"
          " t = 0\n For k = 1 To 20\n  For Each v In a\n   t = t + v\n  Next\n Next\n"
          " Work = t\nEnd Function",
          20.0 * 49995000.0);
}
BENCHMARK(BM_ForEachArray)->Unit(benchmark::kMillisecond);

}  // namespace
