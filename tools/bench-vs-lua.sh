#!/usr/bin/env bash
# Times the engine's benchmarks and the same programs in Lua 5.4, and prints ours / Lua.
# Usage: tools/bench-vs-lua.sh [BUILD_DIR]   (default: build). Needs lua5.4.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
lua="$(command -v lua5.4 || true)"
for b in bench_vbscript bench_scripting_host; do
  [[ -x "$build/bin/$b" ]] || { echo "missing $build/bin/$b: build the $b target" >&2; exit 1; }
done
[[ -n "$lua" ]] || { echo "lua5.4 not found (apt-get install lua5.4)" >&2; exit 1; }

declare -A ours theirs
# CPU time in ms per benchmark, the mean of three runs (the machine may be shared; CPU time
# is steadier than wall time).
read_ours() {
  local name _iters _real cpu unit _rest
  while IFS=, read -r name _iters _real cpu unit _rest || [[ -n "${name:-}" ]]; do
    name="${name//\"/}"
    [[ "$name" == BM_* ]] || continue
    case "$unit" in
      *ms*) ours[$name]="$cpu" ;;
      *us*) ours[$name]="$(awk -v v="$cpu" 'BEGIN{printf "%.6f", v/1000}')" ;;
      *ns*) ours[$name]="$(awk -v v="$cpu" 'BEGIN{printf "%.6f", v/1e6}')" ;;
    esac
  done < <("$@" --benchmark_format=csv --benchmark_repetitions=3 \
             --benchmark_report_aggregates_only=true 2>/dev/null | grep '_mean' |
           sed 's/_mean"/"/')
}
read_ours "$build/bin/bench_vbscript"
read_ours "$build/bin/bench_scripting_host" --benchmark_filter=BM_HostPropertyRead

for script in fib loop strbuild procedures methods dictionary strings foreach; do
  while read -r name ms; do theirs[$name]="$ms"; done < <("$lua" "$root/bench/lua/$script.lua")
done

# Lua's procedures program compiles its text on every pass: the same work as ours afresh.
theirs[BM_CompileProcedures]="${theirs[BM_UnchangedProcedures]:-}"

printf '%-24s %12s %12s %10s\n' benchmark "ours (ms)" "lua (ms)" "ours/lua"
for name in BM_Fib25 BM_LoopArrayStores BM_StringBuild BM_UnchangedProcedures BM_CompileProcedures \
            BM_MethodCalls \
            BM_DictionaryAddLookup BM_StringFunctions BM_ForEachArray BM_HostPropertyRead; do
  o="${ours[$name]:-nan}" l="${theirs[$name]:-}"
  if [[ -z "$l" ]]; then  # no Lua program does the same (a game's host objects)
    printf '%-24s %12.3f %12s %10s\n' "$name" "$o" "-" "-"
  else
    printf '%-24s %12.3f %12.3f %10.2f\n' "$name" "$o" "$l" "$(awk -v a="$o" -v b="$l" 'BEGIN{print a/b}')"
  fi
done
