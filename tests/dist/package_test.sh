#!/usr/bin/env bash
# Makes the Debian package from the finished build (without building again) and checks its
# file list and its dependencies.
set -euo pipefail
build="$1"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$out" >"$out/cpack.log" 2>&1) || { cat "$out/cpack.log"; fail "cpack failed"; }
deb=$(ls "$out"/scenewright_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || fail "no scenewright_*.deb was made"

files=$(dpkg-deb -c "$deb" | awk '{print $NF}')
app=org.scenewright.Scenewright
for f in ./usr/bin/scenewright ./usr/bin/scenewright-vbs \
         ./usr/share/man/man6/scenewright.6.gz ./usr/share/man/man1/scenewright-vbs.1.gz \
         ./usr/share/applications/$app.desktop ./usr/share/metainfo/$app.metainfo.xml \
         ./usr/share/icons/hicolor/scalable/apps/$app.svg \
         ./usr/share/icons/hicolor/48x48/apps/$app.png \
         ./usr/share/scenewright/sample/Config/General; do
  grep -qx -- "$f" <<<"$files" || fail "the package lacks $f"
done
# Nothing of the build's own tools and tests goes in.
if grep -E 'test_|bench_|make-sample-game|make-icon' <<<"$files"; then fail "build tools in the package"; fi

depends=$(dpkg-deb -f "$deb" Depends)
for d in libsdl2-2.0-0 libsdl2-mixer-2.0-0 libavformat59 timgm6mb-soundfont; do
  grep -q "$d" <<<"$depends" || fail "Depends lacks $d: $depends"
done
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "the package is not in section games"
echo "package ok: $(basename "$deb")"
