#!/usr/bin/env bash
# Times the engine's benchmarks and the same programs in Lua 5.4, and prints ours / Lua.
# Usage: tools/bench-vs-lua.sh [BUILD_DIR]   (default: build). Needs lua5.4.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
bench="$build/bin/bench_vbscript"
lua="$(command -v lua5.4 || true)"
[[ -x "$bench" ]] || { echo "missing $bench: build the bench_vbscript target" >&2; exit 1; }
[[ -n "$lua" ]] || { echo "lua5.4 not found (apt-get install lua5.4)" >&2; exit 1; }

declare -A ours theirs
# CPU time in ms per benchmark (the machine may be shared; CPU time is steadier than wall).
while IFS=, read -r name _iters _real cpu unit _rest || [[ -n "${name:-}" ]]; do
  name="${name//\"/}"
  [[ "$name" == BM_* ]] || continue
  case "$unit" in
    *ms*) ours[$name]="$cpu" ;;
    *us*) ours[$name]="$(awk -v v="$cpu" 'BEGIN{printf "%.6f", v/1000}')" ;;
    *ns*) ours[$name]="$(awk -v v="$cpu" 'BEGIN{printf "%.6f", v/1e6}')" ;;
  esac
done < <("$bench" --benchmark_format=csv --benchmark_repetitions=3 \
           --benchmark_report_aggregates_only=true 2>/dev/null | grep '_min\|_mean' | grep _mean |
         sed 's/_mean"/"/')
for script in fib loop strbuild procedures; do
  while read -r name ms; do theirs[$name]="$ms"; done < <("$lua" "$root/bench/lua/$script.lua")
done

printf '%-24s %12s %12s %10s\n' benchmark "ours (ms)" "lua (ms)" "ours/lua"
for name in BM_Fib25 BM_LoopArrayStores BM_StringBuild BM_UnchangedProcedures; do
  o="${ours[$name]:-nan}" l="${theirs[$name]:-nan}"
  printf '%-24s %12.3f %12.3f %10.2f\n' "$name" "$o" "$l" "$(awk -v a="$o" -v b="$l" 'BEGIN{print a/b}')"
done
