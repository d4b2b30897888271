#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds Harbinet, lays out a sample game folder in
# sample/EAW (made anew every run), installs Harbinet into sample/EAW/Harbinet/ and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
bash scripts/build.sh

fail() {
  echo "run.sh: $*" >&2
  exit 1
}

[ -x build/make-sample-game ] || fail "the build produced no build/make-sample-game"
game_program=$(find build -name standin-game -type f -perm -u+x 2>/dev/null | head -n 1)
[ -n "$game_program" ] || fail "the build produced no standin-game (the stand-in for EAW.EXE)"

sample=sample/EAW
build/make-sample-game "$sample" --game "$game_program" --force

own="$sample/Harbinet"
cp build/harbinet-cli "$own/"
# Sounds, pictures and the manual that live beside the program.
if [ -d resources/install ]; then
  cp -R resources/install/. "$own/"
fi
[ -x build/harbinet ] || fail "the build produced no build/harbinet (the tray program is not built on this branch yet); the sample folder is ready in $sample"
cp build/harbinet "$own/"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  fail "no display (DISPLAY and WAYLAND_DISPLAY are unset); to run Harbinet on a virtual one: xvfb-run -a bash scripts/run.sh"
fi

echo "Starting $own/harbinet (right-click its tray icon; \"Close\" ends it)"
cd "$own"
exec ./harbinet
