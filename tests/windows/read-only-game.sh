#!/usr/bin/env bash
# harbinet-cli.exe under Wine on a game folder whose drive is read-only (a read-only bind mount
# of it, which holds even for root), reached by its letter and as a share: each change is refused
# with the messages Linux gives, and what only reads still works. Skipped (77) where this user
# may not mount.
#   read-only-game.sh BUILD_FOLDER
set -euo pipefail
source "$(dirname "$0")/wine-cli.sh"
mounted=""
at_exit+=('[ -z "$mounted" ] || umount "$root/EAW"')

wine "$build/make-sample-game.exe" "Z:$root/EAW" --game "Z:$build/harbinet-cli.exe" >/dev/null
own=$root/EAW/Harbinet
cp "$build/harbinet-cli.exe" "$own/"
cli() { (cd "$own" && wine ./harbinet-cli.exe "$@" 2>&1) | tr -d '\r'; }
cli --yes status >/dev/null
cli set 1 >/dev/null

if ! mount --bind "$root/EAW" "$root/EAW" 2>/dev/null; then
  echo "read-only-game: no bind mounts for this user; skipped"
  exit 77
fi
mounted=1
mount -o remount,bind,ro "$root/EAW"


# Runs each command with the program found as $1, and checks the messages for the game at $2.
refused() {
  local program=$1 game=$2
  local expected="== season winter
Harbinet Error: Unable to write $game/.harbinet-journal
Harbinet Error: Unable to write $game/Harbinet/history.log
exit 1
== set 2
Harbinet Error: Unable to write $game/.harbinet-journal
Harbinet Error: Unable to write $game/Harbinet/history.log
exit 1
== mode automatic
Harbinet Error: Unable to write $game/Harbinet/harbinet.INI
exit 1
== status
mode=manual
terrain=spring
terrain-set=1
terrain-set-name=Channel Front
tooltip=Harbinet - Manual Mode, Spring Terrain (Channel Front)
exit 0"
  local actual
  actual=$(for command in "season winter" "set 2" "mode automatic" "status"; do
    echo "== $command"
    status=0
    # shellcheck disable=SC2086
    (cd "$own" && wine "$program" $command) >"$root/output" 2>&1 || status=$?
    tr -d '\r' <"$root/output"
    echo "exit $status"
  done)
  if [ "$actual" != "$expected" ]; then
    diff <(echo "$expected") <(echo "$actual") >&2 || true
    echo "read-only-game: the messages for $game differ from the expected ones" >&2
    exit 1
  fi
}

refused ./harbinet-cli.exe "Z:$root/EAW"
refused "\\\\localhost\\$share\\EAW\\Harbinet\\harbinet-cli.exe" "//localhost/$share/EAW"
echo "read-only-game: every change refused with its message, the status read, by letter and share"
