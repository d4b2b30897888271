# Sourced by the Windows benchmarks: a Wine prefix and home of the bench's own under /var/tmp
# (the first run installs Harbinet, and its desktop link must not land on the user's desktop),
# started and kept up, removed at the end. Sets root (the bench's folder) and build, and gives
# shipped: the programs timed are stripped as the installer ships them (Wine reads a program's
# whole image when it starts, and the build's carry 30 to 50 MB of debugging data).
build=$PWD/build-windows
root=$(mktemp -d /var/tmp/harbinet-wine-bench.XXXXXX)
trap 'wineserver -k 2>/dev/null; rm -rf "$root"' EXIT
export HOME=$root/home WINEPREFIX=$root/wine WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$HOME"
wineboot -i >/dev/null 2>&1 || true
wineserver -w
wineserver -p
wine cmd /c exit >/dev/null 2>&1 </dev/null

# shipped PROGRAM DESTINATION: the build's program, stripped, at DESTINATION.
shipped() { x86_64-w64-mingw32-strip -o "$2" "$build/$1"; }
