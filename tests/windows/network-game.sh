#!/usr/bin/env bash
# harbinet-cli.exe under Wine on a game folder on the network: started from a share
# (\\localhost\NAME\..., deep enough that its paths pass 260 characters) and from a drive letter
# that Wine reports as a network drive. A set and each season change install their store files
# in full, as on a local drive.
#   network-game.sh BUILD_FOLDER
set -euo pipefail
source "$(dirname "$0")/wine-cli.sh"
letter=""
forget_letter() {
  [ -n "$letter" ] || return 0
  rm -f "$WINEPREFIX/dosdevices/$letter:"
  wine reg delete 'HKLM\Software\Wine\Drives' /v "$letter:" /f >/dev/null 2>&1
}
at_exit+=(forget_letter)

fail() {
  echo "network-game: $*" >&2
  exit 1
}

deep=""
for n in 1 2 3 4 5 6; do deep+="A folder of the squadron's shared drive, number $n/"; done
game=$root/${deep}EAW
mkdir -p "$(dirname "$game")"
wine "$build/make-sample-game.exe" "Z:$game" --game "Z:$build/harbinet-cli.exe" >/dev/null
cp "$build/harbinet-cli.exe" "$game/Harbinet/"

# Runs the CLI in the game folder found through DRIVE (a share or a letter's root).
cli() {
  local drive=$1
  shift
  local program="$drive\\${deep//\//\\}EAW\\Harbinet\\harbinet-cli.exe"
  local out
  out=$(wine "$program" "$@" 2>&1) || fail "'$*' from $drive failed: $(echo "$out" | tr -d '\r')"
  echo "$out" | tr -d '\r'
}

# Every file of a season's store is in the game folder, byte for byte.
installed() {
  local store="$game/Harbinet/Terrain/Channel Front/$1"
  for f in "$store"/*; do
    cmp -s "$f" "$game/$(basename "$f")" || fail "$1: $(basename "$f") is not the store's"
  done
}

[ "${#game}" -gt 260 ] || fail "the game's path is too short to need a long-path prefix"
share_root="\\\\localhost\\$share"
cli "$share_root" --yes status >/dev/null
cli "$share_root" set 1 >/dev/null
cli "$share_root" season winter >/dev/null
installed Winter
cli "$share_root" status | grep -qx "terrain=winter" || fail "the share's status is not winter"

# A free letter, made a network drive.
for l in n o p q r s t; do
  [ -e "$WINEPREFIX/dosdevices/$l:" ] || {
    letter=$l
    break
  }
done
[ -n "$letter" ] || fail "no free drive letter"
ln -s "$root" "$WINEPREFIX/dosdevices/$letter:"
wine reg add 'HKLM\Software\Wine\Drives' /v "$letter:" /d network /f >/dev/null 2>&1
cli "$letter:" season summer >/dev/null
installed Summer
cli "$letter:" status | grep -qx "terrain=summer" || fail "the drive's status is not summer"
echo "network-game: a set and two seasons installed through a share and a network drive"
