#!/usr/bin/env bash
# harbinet.exe under Wine on a virtual X display, as a user first meets it: copied into a game
# folder, started, the question about the extra terrain sets answered; the settings, the terrain
# sets and the desktop link are then on disk. A second start finds the first by its window and
# ends at once; the first ends when asked to close.
#   first-start.sh BUILD_FOLDER   (the Windows build; needs Xvfb and xdotool)
set -euo pipefail
build=$(cd "$1" && pwd)
export WINEPREFIX=${HARBINET_WINEPREFIX:-$build/wine} WINEDEBUG=-all
root=$(mktemp -d)
xvfb=""
cleanup() {
  wine taskkill /f /im harbinet.exe >/dev/null 2>&1 || true
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  rm -rf "$root"
}
trap cleanup EXIT

fail() {
  echo "first-start: $*" >&2
  exit 1
}

# Waits up to a minute for a condition (a command) to hold.
wait_for() {
  for _ in $(seq 600); do
    "$@" && return 0
    sleep 0.1
  done
  fail "gave up waiting for: $*"
}

exec 3>"$root/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb=$!
wait_for test -s "$root/display"
export DISPLAY=:$(head -n1 "$root/display")

# The prefix's desktop process keeps the display it was started on: one started by a test
# without a display would take this test's windows. The prefix starts afresh here.
wineserver -k >/dev/null 2>&1 || true
wineserver -w

wine "$build/make-sample-game.exe" "Z:$root/EAW" --game "Z:$build/harbinet-cli.exe" >/dev/null
own=$root/EAW/Harbinet
cp "$build/harbinet.exe" "$own/"
cp "$build/stage/share/harbinet/"* "$own/" 2>/dev/null || true
desktop=$(wine cmd /c 'echo %USERPROFILE%' | tr -d '\r')
desktop=$(realpath -m "$(winepath -u "$desktop\\Desktop")")
# The link is made on the prefix's desktop; that must be the build's, never the user's.
case "$desktop" in
  "$build"/*) rm -f "$desktop/Harbinet 2.2b.lnk" ;;
  *) fail "the Wine prefix's desktop $desktop is not the build's own" ;;
esac

wine "Z:$own/harbinet.exe" >/dev/null 2>&1 &
# Wine names a window before it maps it, focus on an unmapped window is an X error, and a key
# may come before the dialog takes keys: the answer is given again while the question stays.
answered() {
  grep -q '^Terrain3=Pacific' "$own/harbinet.INI" 2>/dev/null && return 0
  xdotool search --onlyvisible --name '^Harbinet Install$' windowfocus --sync \
    key --clearmodifiers Return >/dev/null 2>&1 || true
  return 1
}
wait_for answered
wait_for test -f "$desktop/Harbinet 2.2b.lnk"

# A second start brings the first forward and ends by itself.
timeout 60 wine "Z:$own/harbinet.exe" >/dev/null 2>&1 || fail "a second start did not end"
[ "$(grep -c '^Terrain1=' "$own/harbinet.INI")" = 1 ] || fail "a second start changed the settings"

wine taskkill /im harbinet.exe >/dev/null 2>&1 || true
gone() { ! pgrep -f "$(basename "$root").EAW.Harbinet.harbinet.exe" >/dev/null; }
wait_for gone
rm -f "$desktop/Harbinet 2.2b.lnk"
echo "first-start: settings, terrain sets and the desktop link made; one instance at a time"
