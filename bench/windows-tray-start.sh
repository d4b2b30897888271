#!/usr/bin/env bash
# The tray under Wine: how long from start until the icon is docked in an XEmbed panel (trayer,
# where Wine puts the icons of Windows programs), against a bare wx program built for Windows
# that shows only a tray icon; then Harbinet's CPU time while it idles in Automatic Mode, and its
# resident memory. Each program is a Wine process, so both pay Wine's start.
#   bench/windows-tray-start.sh     (after scripts/build-windows.sh; RUNS=10 IDLE=30 by default)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${RUNS:-10}
idle=${IDLE:-30}
if [ -z "${HARBINET_TRAY_BENCH:-}" ]; then
  HARBINET_TRAY_BENCH=1 exec xvfb-run -a -s "-screen 0 1280x800x24" bash "$0" "$@"
fi
source bench/wine-prefix.sh

wine "$build/make-sample-game.exe" "Z:$root/EAW" --game "Z:$build/harbinet-cli.exe" >/dev/null
own=$root/EAW/Harbinet
shipped harbinet.exe "$own/harbinet.exe"
shipped harbinet-cli.exe "$own/harbinet-cli.exe"
shipped bench/bench_bare_tray.exe "$root/bench_bare_tray.exe"
wine "$own/harbinet-cli.exe" --yes status >/dev/null 2>&1
wine "$own/harbinet-cli.exe" mode automatic >/dev/null 2>&1

trayer --edge top --align right --widthtype request --height 24 >/dev/null 2>&1 &
trayer=$!
trap 'kill $trayer 2>/dev/null; wineserver -k 2>/dev/null; rm -rf "$root"' EXIT
tray=""
for _ in $(seq 500); do
  tray=$(xwininfo -root -children 2>/dev/null | awk '/"panel"/ {print $1; exit}')
  [ -n "$tray" ] && break
  sleep 0.02
done
[ -n "$tray" ] || { echo "windows-tray-start.sh: trayer did not start" >&2; exit 2; }
docked() { xwininfo -children -id "$tray" | grep -c '^ *0x' || true; }
now_ms() { date +%s%3N; }

# Starts a Windows program and prints the milliseconds until the panel holds one more icon.
time_to_icon() {
  local before start
  before=$(docked)
  start=$(now_ms)
  (cd "$own" && exec wine "$@") >/dev/null 2>&1 &
  while [ "$(docked)" -le "$before" ]; do sleep 0.01; done
  echo $(($(now_ms) - start))
  wine taskkill /f /im "$(basename "$1")" >/dev/null 2>&1 || true
  while [ "$(docked)" -gt "$before" ]; do sleep 0.01; done
}
median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }
measure() {
  for _ in $(seq "$runs"); do time_to_icon "$@"; done | median
}

bare=$(measure "$root/bench_bare_tray.exe")
harbinet=$(measure "$own/harbinet.exe")
printf 'start to icon under Wine, median of %d: bare wx %s ms, Harbinet %s ms (%.2fx)\n' \
  "$runs" "$bare" "$harbinet" "$(echo "$harbinet / $bare" | bc -l)"

(cd "$own" && exec wine "$own/harbinet.exe") >/dev/null 2>&1 &
before=$(docked)
while [ "$(docked)" -le "$before" ]; do sleep 0.05; done
sleep 2
pid=$(pgrep -f 'EAW.Harbinet.harbinet\.exe' | head -1)
ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
t0=$(ticks "$pid")
sleep "$idle"
t1=$(ticks "$pid")
hz=$(getconf CLK_TCK)
printf 'idle in Automatic Mode for %d s: %.3f%% CPU, %d MiB resident\n' "$idle" \
  "$(echo "($t1 - $t0) * 100 / $hz / $idle" | bc -l)" \
  "$(($(awk '/VmRSS/ {print $2}' "/proc/$pid/status") / 1024))"
