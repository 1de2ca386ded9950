#!/usr/bin/env bash
# Installs what is needed, builds, and runs every test.
# Usage: scripts/test.sh            normal build in build/
#        scripts/test.sh --sanitize AddressSanitizer + UBSan build in build-asan/
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
if [ "${1:-}" = "--sanitize" ]; then
  build="$root/build-asan"
  "$root/scripts/build.sh" "$build" -DSW_SANITIZE=ON -DSW_BUILD_BENCHMARKS=OFF
else
  build="$root/build"
  "$root/scripts/build.sh" "$build"
fi
cd "$build"
ctest --output-on-failure -j "$(nproc)"
