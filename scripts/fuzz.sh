#!/usr/bin/env bash
# Builds one fuzz target with clang and libFuzzer (address and undefined-behaviour sanitizers)
# in build-fuzz/ and runs it for the given seconds, starting from its seed corpus.
# Usage: scripts/fuzz.sh TARGET SECONDS [more libFuzzer options]   e.g. scripts/fuzz.sh fuzz_vbscript 600
# New inputs go to build-fuzz/corpus/TARGET; crashes to build-fuzz/findings/TARGET.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
target="${1:?usage: scripts/fuzz.sh TARGET SECONDS}"
seconds="${2:?usage: scripts/fuzz.sh TARGET SECONDS}"
shift 2
build="$root/build-fuzz"
launcher=()
command -v ccache > /dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link "${launcher[@]}" \
  -DSW_FUZZ=ON -DSW_SANITIZE=ON -DSW_BUILD_TESTS=OFF -DSW_BUILD_BENCHMARKS=OFF > /dev/null
cmake --build "$build" --target "$target" -j "$(nproc)"
case "$target" in
  fuzz_vbscript) seeds=("$root/tests/scripting/vbscript/golden" "$root/fuzz/corpus/vbscript") ;;
  *) seeds=() ;;
esac
mkdir -p "$build/corpus/$target" "$build/findings/$target"
# Memory is capped so that a script asking for gigabytes shows up as a finding.
exec "$build/bin/$target" "$build/corpus/$target" "${seeds[@]}" \
  -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2560 -malloc_limit_mb=2048 \
  -artifact_prefix="$build/findings/$target/" "$@"
