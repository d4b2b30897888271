#!/usr/bin/env bash
# The tray: how long from start until the icon is in a panel, and what the program costs while
# it waits. On a virtual display with a private session bus, each program is started RUNS times:
#   bare wx     a wx program that only shows an XEmbed tray icon (the yardstick), in trayer;
#   xembed      Harbinet with HARBINET_TRAY=xembed, in trayer;
#   sni         Harbinet as a status notifier item, registered with a watcher.
# Start to icon is the time until the icon is docked in trayer (a new child of its window) or
# registered with the watcher (its RegisteredStatusNotifierItems grows), polled every 10 ms.
# Then Harbinet (sni, Automatic Mode, the season timer at 30 s) idles for IDLE seconds: its CPU
# time over that span, and its resident memory.
#
#   bash bench/tray-start.sh [BUILD]     (RUNS=10 IDLE=60 by default)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${RUNS:-10}
idle=${IDLE:-60}

if [ -z "${HARBINET_TRAY_BENCH:-}" ]; then
  missing=()
  for p in xvfb xauth trayer x11-utils dbus-daemon haskell-status-notifier-item-utils; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
  ninja -C "$build" harbinet harbinet-cli make-sample-game standin-game bench_bare_tray >/dev/null
  HARBINET_TRAY_BENCH=1 exec xvfb-run -a -s "-screen 0 1280x800x24" \
    dbus-run-session -- bash "$0" "$@"
fi
export NO_AT_BRIDGE=1

work=$(mktemp -d)
# The first installation puts a launcher on the desktop: a home of the bench's own.
export HOME=$work/home
mkdir -p "$HOME"
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

now_ms() { date +%s%3N; }

# A game folder, Harbinet installed in it, no terrain set active.
"$build/make-sample-game" "$work/EAW" --game "$build/tools/standin-game/standin-game" >/dev/null
cp "$build/harbinet" "$build/harbinet-cli" "$work/EAW/Harbinet/"
"$work/EAW/Harbinet/harbinet-cli" --yes status >/dev/null
"$work/EAW/Harbinet/harbinet-cli" mode automatic >/dev/null

status-notifier-watcher >/dev/null 2>&1 &
pids+=($!)
trayer --edge top --align right --widthtype request --height 24 >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 1500); do
  tray=$(xwininfo -root -children 2>/dev/null | awk '/"panel"/ {print $1; exit}')
  registered=$(gdbus call --session -d org.kde.StatusNotifierWatcher -o /StatusNotifierWatcher \
    -m org.freedesktop.DBus.Properties.Get org.kde.StatusNotifierWatcher \
    RegisteredStatusNotifierItems 2>/dev/null || true)
  [ -n "$tray" ] && [ -n "$registered" ] && break
  sleep 0.02
done
[ -n "$tray" ] || { echo "tray-start.sh: trayer did not start" >&2; exit 2; }

docked() { xwininfo -children -id "$tray" | grep -c '^ *0x' || true; }
items() {
  gdbus call --session -d org.kde.StatusNotifierWatcher -o /StatusNotifierWatcher \
    -m org.freedesktop.DBus.Properties.Get org.kde.StatusNotifierWatcher \
    RegisteredStatusNotifierItems | grep -o "StatusNotifierItem" | wc -l
}

# Starts a program and prints the milliseconds until probe's count grows; the program ends.
time_to_icon() {
  local probe=$1
  shift
  local before start pid
  before=$($probe)
  start=$(now_ms)
  (cd "$work/EAW/Harbinet" && exec "$@") >/dev/null 2>&1 &
  pid=$!
  while [ "$($probe)" -le "$before" ]; do
    kill -0 "$pid" 2>/dev/null || { echo "tray-start.sh: $* ended" >&2; exit 2; }
    sleep 0.01
  done
  echo $(($(now_ms) - start))
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  # The panel lets the icon go before the next run counts.
  while [ "$($probe)" -gt "$before" ]; do sleep 0.01; done
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

measure() {
  local name=$1
  shift
  local times=()
  for _ in $(seq "$runs"); do times+=("$(time_to_icon "$@")"); done
  printf '%s\n' "${times[@]}" | median
}

bare=$(measure "bare wx" docked env "$PWD/$build/bench/bench_bare_tray")
xembed=$(measure xembed docked env HARBINET_TRAY=xembed ./harbinet)
sni=$(measure sni items env HARBINET_TRAY=sni ./harbinet)
printf 'start to icon, median of %d: bare wx %s ms, Harbinet xembed %s ms (%.2fx), sni %s ms (%.2fx)\n' \
  "$runs" "$bare" "$xembed" "$(echo "$xembed / $bare" | bc -l)" "$sni" "$(echo "$sni / $bare" | bc -l)"

(cd "$work/EAW/Harbinet" && HARBINET_TRAY=sni exec ./harbinet) >/dev/null 2>&1 &
pid=$!
pids+=($pid)
while [ "$(items)" -lt 1 ]; do sleep 0.05; done
sleep 2
ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
t0=$(ticks "$pid")
sleep "$idle"
t1=$(ticks "$pid")
hz=$(getconf CLK_TCK)
rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
printf 'idle (sni, Automatic Mode): %.3f%% CPU over %d s, %d MiB resident\n' \
  "$(echo "($t1 - $t0) * 100 / ($hz * $idle)" | bc -l)" "$idle" "$((rss / 1024))"
