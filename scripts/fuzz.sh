#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer (address and undefined-behaviour checks on)
# in build-fuzz/, and runs one of them.
# Usage: scripts/fuzz.sh TARGET SECONDS [libFuzzer options...]
#   TARGET: value_reader, project_files, ini or picture.
# The seed corpus is made from the sample game; what libFuzzer learns is kept in
# build-fuzz/fuzz-work/TARGET, and inputs that crash land in build-fuzz/fuzz-crashes/TARGET.
set -euo pipefail
if [ $# -lt 2 ]; then
  sed -n '2,8p' "$0" | sed 's/^# \{0,1\}//'
  exit 2
fi
target="$1"
seconds="$2"
shift 2
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh" --fuzz
build="$root/build-fuzz"
launcher=()
if command -v ccache >/dev/null 2>&1; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ "${launcher[@]}" \
  -DSW_FUZZ=ON -DSW_BUILD_TESTS=OFF -DSW_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target "fuzz_$target" make-fuzz-corpus sample-game
seeds="$build/fuzz-corpus"
[ -d "$seeds/$target" ] || "$build/bin/make-fuzz-corpus" "$build/examples/sample" "$seeds"
work="$build/fuzz-work/$target"
crashes="$build/fuzz-crashes/$target"
mkdir -p "$work" "$crashes"
cd "$crashes"
SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy \
  "$build/bin/fuzz_$target" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
  -artifact_prefix="$crashes/" -print_final_stats=1 "$@" "$work" "$seeds/$target"
