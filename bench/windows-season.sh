#!/usr/bin/env bash
# A season change under Wine against Windows' `copy` of the same files, also under Wine: 120
# terrain files, 256 MiB, of the winter store over the autumn ones in the game folder.
# harbinet-cli's "season winter" after "season autumn" is timed, and `cmd /c copy` of the winter
# files over copies of the autumn ones; each is a Wine process, so both pay its start.
#   bench/windows-season.sh [ROUNDS]   (after scripts/build-windows.sh; folder: /var/tmp)
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-3}
source bench/wine-prefix.sh
cli=$root/harbinet-cli.exe
shipped harbinet-cli.exe "$cli"
wine "$build/make-sample-game.exe" "Z:$root/EAW" --game "Z:$cli" >/dev/null
own=$root/EAW/Harbinet
store="$own/Terrain/Channel Front"
run() { wine "$cli" --folder "Z:$own/" "$@" >/dev/null; }

# 120 files of about 2 MiB in each season, the names the terrain patterns take.
size=$(((256 << 20) / 120))
for season in Autumn Winter; do
  for i in $(seq -w 1 120); do
    head -c "$size" /dev/urandom >"$store/$season/T$i.TER"
  done
done
mkdir -p "$root/copy"
run status
run set 1
run season autumn
run season winter

now() { date +%s.%N; }
harbinet=() copy=()
for _ in $(seq "$rounds"); do
  run season autumn
  sync
  start=$(now)
  run season winter
  harbinet+=("$(echo "$(now) - $start" | bc)")

  cp "$store/Autumn/"*.TER "$root/copy/"
  sync
  start=$(now)
  wine cmd /c copy /y "Z:${store//\//\\}\\Winter\\*.TER" "Z:${root//\//\\}\\copy\\" >/dev/null
  copy+=("$(echo "$(now) - $start" | bc)")
done

median() { printf '%s\n' "$@" | sort -g | sed -n "$(((${#@} + 1) / 2))p"; }
h=$(median "${harbinet[@]}") c=$(median "${copy[@]}")
printf 'season change under Wine: %.2f s, copy: %.2f s, %.2fx copy (median of %d)\n' \
  "$h" "$c" "$(echo "$h / $c" | bc -l)" "$rounds"
