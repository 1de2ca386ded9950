#!/usr/bin/env bash
# Builds one fuzz target with clang and libFuzzer (address and undefined-behaviour sanitizers)
# in build-fuzz/ and runs it for the given seconds, starting from its seed corpus.
# Usage: scripts/fuzz.sh TARGET SECONDS [more libFuzzer options]   e.g. scripts/fuzz.sh vbscript 600
#   TARGET: vbscript, value_reader, project_files, ini, picture or saved_game (with or without
#   "fuzz_").
# Seeds come from the tests and from the sample game (build-fuzz/fuzz-corpus/); what libFuzzer
# learns is kept in build-fuzz/corpus/TARGET, and inputs that crash land in
# build-fuzz/findings/TARGET.
set -euo pipefail
if [ $# -lt 2 ]; then
  sed -n '2,9p' "$0" | sed 's/^# \{0,1\}//'
  exit 2
fi
root="$(cd "$(dirname "$0")/.." && pwd)"
name="${1#fuzz_}"
target="fuzz_$name"
seconds="$2"
shift 2
"$root/scripts/install-deps.sh" --fuzz
build="$root/build-fuzz"
launcher=()
if command -v ccache > /dev/null 2>&1; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ "${launcher[@]}" \
  -DSW_FUZZ=ON -DSW_BUILD_TESTS=OFF -DSW_BUILD_BENCHMARKS=OFF > /dev/null
cmake --build "$build" -j "$(nproc)" --target "$target" make-fuzz-corpus sample-game
generated="$build/fuzz-corpus"
[ -d "$generated/$name" ] || "$build/bin/make-fuzz-corpus" "$build/examples/sample" "$generated"
case "$name" in
  vbscript) seeds=("$root/tests/scripting/vbscript/golden" "$root/fuzz/corpus/vbscript") ;;
  *) seeds=("$generated/$name") ;;
esac
work="$build/corpus/$target"
findings="$build/findings/$target"
mkdir -p "$work" "$findings"
cd "$findings"
# Memory is capped so that an input asking for gigabytes shows up as a finding.
SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy exec "$build/bin/$target" "$work" "${seeds[@]}" \
  -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2560 -malloc_limit_mb=2048 \
  -artifact_prefix="$findings/" -print_final_stats=1 "$@"
