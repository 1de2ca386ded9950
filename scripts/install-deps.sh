#!/usr/bin/env bash
# Installs every Debian package that building, testing and playing need (Debian 12, as root).
# With --fuzz, also clang and its libFuzzer runtime for scripts/fuzz.sh.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config git
  libsdl2-dev libsdl2-image-dev libsdl2-ttf-dev libsdl2-mixer-dev
  libavformat-dev libavcodec-dev libavutil-dev libswscale-dev libswresample-dev
  libfontconfig-dev fonts-liberation2 fonts-dejavu-core fonts-ipafont-gothic
  timgm6mb-soundfont
  nlohmann-json3-dev libcli11-dev libpcre2-dev libicu-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xdg-utils
  appstream dpkg-dev man-db
)
if [ "${1:-}" = "--fuzz" ]; then
  packages+=(clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
