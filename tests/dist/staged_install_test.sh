#!/usr/bin/env bash
# Installs the build into a staging folder (DESTDIR) and checks what a user gets: both
# programs, man pages, the desktop entry and icon, valid AppStream metainfo and the sample
# game, and that the desktop entry's command line starts the player.
set -euo pipefail
build="$1"
stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null
usr="$stage/usr"
app=org.scenewright.Scenewright

for f in bin/scenewright bin/scenewright-vbs; do
  [ -x "$usr/$f" ] || fail "$f is not installed as a program"
done
for f in share/man/man6/scenewright.6.gz share/man/man1/scenewright-vbs.1.gz \
         share/applications/$app.desktop share/metainfo/$app.metainfo.xml \
         share/icons/hicolor/scalable/apps/$app.svg share/scenewright/sample/Config/General; do
  [ -s "$usr/$f" ] || fail "$f is missing or empty"
done

# Every PNG size is a PNG of that size.
for size in 16 24 32 48 64 128 256; do
  png="$usr/share/icons/hicolor/${size}x${size}/apps/$app.png"
  [ -s "$png" ] || fail "no ${size}x${size} icon"
  [ "$(head -c 4 "$png" | tail -c 3)" = "PNG" ] || fail "the ${size}x${size} icon is no PNG"
  width=$(od -An -tu1 -j16 -N4 "$png" | awk '{print $1*16777216+$2*65536+$3*256+$4}')
  height=$(od -An -tu1 -j20 -N4 "$png" | awk '{print $1*16777216+$2*65536+$3*256+$4}')
  [ "$width" = "$size" ] && [ "$height" = "$size" ] || fail "the ${size} icon is ${width}x${height}"
done
grep -q '<svg' "$usr/share/icons/hicolor/scalable/apps/$app.svg" || fail "the SVG icon is no SVG"

appstreamcli validate --no-net "$usr/share/metainfo/$app.metainfo.xml" >/dev/null ||
  fail "appstreamcli rejects the metainfo"

desktop="$usr/share/applications/$app.desktop"
grep -qx 'Categories=Game;AdventureGame;' "$desktop" || fail "wrong desktop categories"
grep -qx "Icon=$app" "$desktop" || fail "the desktop entry names another icon"
man -l "$usr/share/man/man6/scenewright.6.gz" 2>/dev/null | grep -q -- "--check DIR" || fail "the man page lacks --check"
man -l "$usr/share/man/man6/scenewright.6.gz" 2>/dev/null | grep -q 'EXIT STATUS' ||
  fail "the man page does not render"
man -l "$usr/share/man/man6/scenewright.6.gz" 2>/dev/null | grep -q 'F12' ||
  fail "the man page lacks the screenshot key"

# The menu entry's command, given the installed sample game, plays it headless.
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
[[ "$exec_line" == scenewright\ %f ]] || fail "unexpected Exec line: $exec_line"
sample="$usr/share/scenewright/sample"
command="${exec_line/\%f/$sample}"
printf 'wait 100\nclick 160 80\nwait 200\ndump %s\n' "$stage/dump.json" >"$stage/script.txt"
PATH="$usr/bin:$PATH" $command --headless --script "$stage/script.txt" ||
  fail "the desktop entry's command failed"
grep -q '"frame": *"Harbour"' "$stage/dump.json" || fail "the sample game did not start"

# Started from the menu without a file, the entry opens the game library.
command="${exec_line/\%f/}"
printf 'wait 100\ndump %s\ndialog-press Quit\n' "$stage/library.json" >"$stage/library.txt"
(cd "$stage" && XDG_CONFIG_HOME="$stage/config" PATH="$usr/bin:$PATH" \
  $command --headless --script "$stage/library.txt") || fail "the desktop entry's command without a file failed"
grep -q '"window": *"library"' "$stage/library.json" || fail "the game library did not open"

"$usr/bin/scenewright" --check "$sample" || fail "the installed sample game does not check clean"
echo "staged install ok"
