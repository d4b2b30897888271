#!/usr/bin/env bash
# Builds the Debian package from the working tree as it stands (tracked files and the new ones
# git does not ignore), in a copy outside the repository, checks it with lintian and leaves it
# in dist/. JOBS=N sets the parallel build (default: every core).
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD
SECONDS=0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
tools=(build-essential dpkg-dev fakeroot debhelper lintian git)
missing=()
for p in "${tools[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
updated=0
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq && updated=1
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
if ! dpkg-checkbuilddeps >/dev/null 2>&1; then
  echo "Installing the build dependencies of debian/control"
  [ $updated -eq 1 ] || $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get build-dep -y -qq --no-install-recommends ./
fi

version=$(dpkg-parsechangelog -S Version)
work=$(mktemp -d "${TMPDIR:-/tmp}/harbinet-package.XXXXXX")
trap 'status=$?; if [ $status -eq 0 ]; then rm -rf "$work"; else echo "Left for a look: $work" >&2; fi' EXIT
src="$work/harbinet-$version"
mkdir "$src"

# The tree as the lead sees it, uncommitted work included; a tracked file deleted in the tree
# stays out.
files=()
while IFS= read -r -d '' f; do
  [ -e "$f" ] || [ -L "$f" ] && files+=("$f")
done < <(git ls-files -z -co --exclude-standard)
printf '%s\0' "${files[@]}" | tar -c --null -T - -f - | tar -x -f - -C "$src"

(cd "$src" && dpkg-buildpackage -us -uc -b -J"${JOBS:-$(nproc)}")

mkdir -p "$repo/dist"
rm -f "$repo"/dist/harbinet*_*.deb "$repo"/dist/harbinet*_*.ddeb "$repo/dist/lintian.txt"
shopt -s nullglob
cp "$work"/*.deb "$work"/*.ddeb "$repo/dist/"

changes=$(echo "$work"/harbinet_"$version"_*.changes)
lintian --display-info --pedantic "$changes" | tee "$repo/dist/lintian.txt" || true
errors=$(grep -c '^E: ' "$repo/dist/lintian.txt" || true)
warnings=$(grep -c '^W: ' "$repo/dist/lintian.txt" || true)
others=$(grep -c '^[IPX]: ' "$repo/dist/lintian.txt" || true)

echo
echo "Package: $(ls "$repo"/dist/harbinet_*.deb)"
echo "Install it with: ${sudo:+sudo }apt install $(ls "$repo"/dist/harbinet_*.deb)"
echo "lintian: $errors errors, $warnings warnings, $others infos and pedantic notes (dist/lintian.txt)"
echo "Built in $((SECONDS / 60)) min $((SECONDS % 60)) s"
[ "$errors" -eq 0 ]
