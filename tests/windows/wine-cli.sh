# Sourced by the tests that run harbinet-cli.exe in the build's Wine prefix, with the build
# folder as $1. Sets build, root (a temporary folder, removed at the end) and share (root's name
# as the share \\localhost\NAME); at_exit takes commands to run at the end, before root goes.
# The first installation puts a link on the prefix's desktop, and links of folders since removed
# would pile up there (up to "Harbinet 2.2b (99).lnk", after which none can be made): the
# entries a test adds are removed when it ends, and these tests share a ctest resource lock.
# Wine's menu builder, which would add a .desktop file for each link a moment later, stays off.
build=$(cd "$1" && pwd)
export WINEPREFIX=${HARBINET_WINEPREFIX:-$build/wine} WINEDEBUG=-all
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}winemenubuilder.exe=d"
root=$(mktemp -d)
share=$(basename "$root")
unc=$WINEPREFIX/dosdevices/unc/localhost
at_exit=()
desktop=""
cleanup() {
  local command entry
  for command in "${at_exit[@]}"; do eval "$command" || true; done
  if [ -n "$desktop" ]; then
    while IFS= read -r entry; do
      grep -qxF -- "$entry" <<<"$desktop_before" || rm -f "$desktop/$entry"
    done < <(ls -A "$desktop")
  fi
  rm -f "$unc/$share"
  rm -rf "$root"
}
trap cleanup EXIT
mkdir -p "$unc"
ln -s "$root" "$unc/$share"
desktop=$(winepath -u "$(wine cmd /c 'echo %USERPROFILE%' | tr -d '\r')\\Desktop")
mkdir -p "$desktop"
desktop_before=$(ls -A "$desktop")
