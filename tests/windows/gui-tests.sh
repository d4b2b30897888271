#!/usr/bin/env bash
# The GUI test program under Wine, in a virtual desktop of its own on a virtual X display. The
# desktop's explorer keeps neither the program's output nor its exit status, so a batch file
# writes both where this script reads them back.
#   gui-tests.sh BUILD_FOLDER TEST_PROGRAM [TEST ARGUMENTS...]   (needs xvfb-run)
set -euo pipefail
build=$(cd "$1" && pwd)
program=$2
shift 2
export WINEPREFIX=${HARBINET_WINEPREFIX:-$build/wine} WINEDEBUG=-all
run=$(mktemp -d)
trap 'rm -rf "$run"' EXIT
# Wine shows the Linux root as drive Z:.
windows() { local path="Z:$1"; echo "${path//\//\\}"; }

{
  echo '@echo off'
  printf '"%s"' "$(windows "$program")"
  for argument in "$@"; do printf ' "%s"' "$argument"; done
  printf ' > "%s" 2>&1\r\n' "$(windows "$run/output.txt")"
  printf 'echo %%ERRORLEVEL%% > "%s"\r\n' "$(windows "$run/status.txt")"
} >"$run/run.bat"

xvfb-run -a -s "-screen 0 1024x768x24" \
  wine explorer "/desktop=harbinet-tests-$$,1024x768" cmd /c "$(windows "$run/run.bat")" >/dev/null 2>&1 || true
cat "$run/output.txt" 2>/dev/null || true
status=$(tr -dc '0-9' <"$run/status.txt" 2>/dev/null || true)
[ -n "$status" ] || { echo "gui-tests: the test program did not finish" >&2; exit 1; }
exit "$status"
