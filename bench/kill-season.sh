#!/usr/bin/env bash
# Kill benchmark: season changes killed with SIGKILL at random points, each followed by a verb
# that loads the settings (`status`), then two checks of the game folder:
#   torn     its terrain files (by the settings' TerrainFiles) are not exactly the files of the
#            season the settings name, byte for byte, in that season's store folder;
#   leftover temporary files named .harbinet-*.tmp anywhere under the game folder.
# Leftovers are counted and removed, and a torn folder is put right by a complete change, so each
# kill is counted on its own. Prints the counts at the end; not a test (the figures are what a
# recovery of interrupted changes is measured by).
#
#   bash bench/kill-season.sh [KILLS] [BUILD]   (default 1000 kills, programs from build/)
#
# BUILD must hold harbinet-cli and make-sample-game: bash scripts/build.sh harbinet-cli
# make-sample-game. KILL_SEED=S makes the kill points repeatable (default: the process id).
set -euo pipefail
cd "$(dirname "$0")/.."

kills=${1:-1000}
build=${2:-build}
RANDOM=${KILL_SEED:-$$}
for program in harbinet-cli make-sample-game; do
  [ -x "$build/$program" ] || {
    echo "kill-season: no $build/$program (bash scripts/build.sh harbinet-cli make-sample-game)" >&2
    exit 2
  }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/harbinet-kill.XXXXXX")
child=""
cleanup() {
  if [ -n "$child" ]; then kill -9 "$child" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
# Copies, so that a rebuild during the run changes nothing under it.
cp "$build/harbinet-cli" "$build/make-sample-game" "$work/"
cli="$work/harbinet-cli"
game="$work/EAW"
own="$game/Harbinet"
ini="$own/harbinet.INI"
# No display: a running Harbinet elsewhere on the desktop would make the verbs refuse.
unset DISPLAY WAYLAND_DISPLAY

run() { "$cli" --folder "$own" --yes "$@"; }

"$work/make-sample-game" "$game" --game /bin/true >/dev/null
run status >/dev/null 2>&1 # the first installation
run set 1 >/dev/null  # Channel Front, the set with seasons
[ "$(run status | grep '^terrain-set=')" = "terrain-set=1" ] || {
  echo "kill-season: could not select the Channel Front set" >&2
  exit 1
}

# A terrain big enough that kills land inside a change: 6 MB a season, different each season.
seasons=(Spring Summer Autumn Winter)
for s in "${seasons[@]}"; do
  store="$own/Terrain/Channel Front/$s"
  for n in 2 3 4 5; do head -c 1048576 /dev/urandom >"$store/EAW$n.TER"; done
  for n in 2 3; do head -c 1048576 /dev/urandom >"$store/GRAS$n.TPC"; done
done

# Succeeds (with the reason in $why) unless the game folder holds exactly the terrain of the
# season the settings name.
why=""
torn() {
  local status set season name has_seasons list store pattern a b f
  why="status failed"
  status=$(run status) || return 0
  set=$(sed -n 's/^terrain-set=//p' <<<"$status")
  season=$(sed -n 's/^terrain=//p' <<<"$status")
  why="the settings name terrain set '$set', season '$season'"
  [ "$set" -ge 1 ] 2>/dev/null && [ "$season" != none ] || return 0
  name=$("$cli" ini get "$ini" TerrainSets "Terrain$set")
  has_seasons=$("$cli" ini getint "$ini" TerrainSets "Seasons$set")
  list=$("$cli" ini get "$ini" Harbinet TerrainFiles)
  store="$own/Terrain/$name"
  [ "$has_seasons" = 0 ] || store="$store/${season^}"
  IFS=, read -ra patterns <<<"$list"
  for pattern in "${patterns[@]}"; do
    [ -n "$pattern" ] || continue
    a=$(find "$game" -maxdepth 1 -type f -iname "$pattern" -printf '%f\n' | sort)
    b=$(find "$store" -maxdepth 1 -type f -iname "$pattern" -printf '%f\n' | sort)
    why="$season: the game folder has '${a//$'\n'/ }' for $pattern, the store '${b//$'\n'/ }'"
    [ "$a" = "$b" ] || return 0
    while IFS= read -r f; do
      why="$season: $f differs from the store's"
      [ -z "$f" ] || cmp -s "$game/$f" "$store/$f" || return 0
    done <<<"$a"
  done
  return 1
}

# The checker itself: a change that ran to its end is never torn.
ms_total=0
for s in "${seasons[@]}" "${seasons[@]}"; do
  start=$(date +%s%N)
  run season "${s,,}" >/dev/null
  ms_total=$((ms_total + ($(date +%s%N) - start) / 1000000))
  if torn; then
    echo "kill-season: a finished change to $s counts as torn ($why); the checker is wrong" >&2
    exit 1
  fi
done
# Kill points fall anywhere in a whole change, start-up included.
span_us=$((ms_total * 1000 / 8))
echo "kill-season: a season change takes $((span_us / 1000)) ms here; $kills kills"

mid=0 finished=0 torn_count=0 leftover_runs=0 leftover_files=0
for ((i = 1; i <= kills; i++)); do
  s=${seasons[RANDOM % 4]}
  delay_us=$(((RANDOM * 32768 + RANDOM) % (span_us + 1)))
  # The program itself in the background, not a subshell: the kill must reach it.
  "$cli" --folder "$own" --yes season "${s,,}" >/dev/null 2>&1 &
  child=$!
  sleep "$(printf '%d.%06d' $((delay_us / 1000000)) $((delay_us % 1000000)))"
  if kill -9 "$child" 2>/dev/null; then :; fi
  rc=0
  wait "$child" 2>/dev/null || rc=$?
  child=""
  if [ "$rc" -eq 137 ]; then mid=$((mid + 1)); else finished=$((finished + 1)); fi

  if torn; then
    torn_count=$((torn_count + 1))
    [ "$torn_count" -gt 3 ] || echo "kill-season: torn after kill $i: $why"
    season=$(run status | sed -n 's/^terrain=//p')
    [ "$season" = none ] || run season "$season" >/dev/null 2>&1 || true
    if torn; then
      echo "kill-season: still torn after a complete change ($why)" >&2
      exit 1
    fi
  fi
  left=$(find "$game" -name '.harbinet-*.tmp' | wc -l)
  if [ "$left" -gt 0 ]; then
    leftover_runs=$((leftover_runs + 1))
    leftover_files=$((leftover_files + left))
    find "$game" -name '.harbinet-*.tmp' -delete
  fi
  if ((i % 100 == 0)); then
    echo "kill-season: $i kills, $torn_count torn, $leftover_runs with leftover temporary files"
  fi
done

echo "kill-season: $kills kills, $mid during a change, $finished after it had ended"
echo "kill-season: torn installs after status: $torn_count"
echo "kill-season: leftover temporary files: $leftover_files, after $leftover_runs kills"
