#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds Harbinet, lays out a sample game folder in
# sample/EAW (made anew every run), installs Harbinet into sample/EAW/Harbinet/ and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

fail() {
  echo "run.sh: $*" >&2
  exit 1
}

# The sample is made anew below; a Harbinet running in it would lose its folder underneath it.
sample=sample/EAW
if [ -d "$sample/Harbinet" ]; then
  own_real=$(realpath "$sample/Harbinet")
  for exe in /proc/[0-9]*/exe; do
    if [ "$(readlink "$exe" 2>/dev/null)" = "$own_real/harbinet" ]; then
      pid=${exe#/proc/}
      fail "Harbinet already runs in $sample (process ${pid%/exe}); choose \"Close\" in its tray menu first"
    fi
  done
fi

bash scripts/setup.sh
# Only the programs this script runs; the tests and benchmarks are scripts/test.sh's.
bash scripts/build.sh harbinet harbinet-cli make-sample-game standin-game

game_program=build/tools/standin-game/standin-game

build/make-sample-game "$sample" --game "$game_program" --force

own="$sample/Harbinet"
cp build/harbinet-cli "$own/"
# Sounds, pictures and the manual that live beside the program.
if [ -d resources/install ]; then
  cp -R resources/install/. "$own/"
fi
cp build/harbinet "$own/"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  fail "no display (DISPLAY and WAYLAND_DISPLAY are unset); to run Harbinet on a virtual one: xvfb-run -a bash scripts/run.sh"
fi

echo "Starting $own/harbinet (right-click its tray icon; \"Close\" ends it)"
cd "$own"
exec ./harbinet
