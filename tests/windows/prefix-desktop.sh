# Sourced by the tests that start harbinet-cli.exe in the build's Wine prefix: its first
# installation puts a link on the prefix's desktop, and links of folders since removed would pile
# up there (up to "Harbinet 2.2b (99).lnk", after which none can be made). The entries a test
# adds are removed when it ends; the tests that do so share a ctest resource lock.
# Wine's menu builder, which would add a .desktop file for each link a moment later, stays off.
#   desktop_remember    note what is on the desktop now
#   desktop_restore     remove what was added since
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}winemenubuilder.exe=d"
desktop_remember() {
  desktop=$(wine cmd /c 'echo %USERPROFILE%' | tr -d '\r')
  desktop=$(winepath -u "$desktop\\Desktop")
  mkdir -p "$desktop"
  desktop_before=$(ls -A "$desktop")
}
desktop_restore() {
  [ -n "${desktop:-}" ] || return 0
  local entry
  while IFS= read -r entry; do
    [ -n "$entry" ] && ! grep -qxF -- "$entry" <<<"$desktop_before" && rm -f "$desktop/$entry"
  done < <(ls -A "$desktop")
}
