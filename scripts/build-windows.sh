#!/usr/bin/env bash
# Builds Harbinet for 64-bit Windows on Debian 12 with mingw-w64: the image libraries and a
# static wxMSW from Debian's sources (cached outside the tree, keyed on their versions and
# options), then harbinet.exe and harbinet-cli.exe in build-windows/, runs the core and
# command-line tests and the program's first start under Wine and leaves the installer in dist/.
#   scripts/build-windows.sh            everything
#   scripts/build-windows.sh --deps     only the cached libraries
#   scripts/build-windows.sh --no-tests build and installer, no tests
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
mode=${1:-all}
triplet=x86_64-w64-mingw32
jobs=$(nproc)

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

install_packages() {
  local packages=(g++-mingw-w64-x86-64-posix libz-mingw-w64-dev wine64 wine nsis dpkg-dev cmake
    ninja-build pkg-config make googletest xvfb xdotool)
  local missing=() p
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  # apt-get source needs the source lists next to the binary ones.
  local src=/etc/apt/sources.list.d/harbinet-deb-src.sources
  if ! grep -rqs '^Types:.*deb-src\|^deb-src' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    $sudo tee "$src" >/dev/null <<'SOURCES'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
    missing+=(--update)
  fi
  if [ ${#missing[@]} -gt 0 ]; then
    $sudo apt-get update -qq
    local names=()
    for p in "${missing[@]}"; do [ "$p" = --update ] || names+=("$p"); done
    if [ ${#names[@]} -gt 0 ]; then
      echo "Installing: ${names[*]}"
      DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${names[@]}"
    fi
  fi
}

source_version() {
  apt-cache showsrc "$1" | sed -n 's/^Version: //p' | sort -V | tail -n1
}

# Unpacks Debian's source of package $1 into $2 (the upstream tree, Debian's patches applied).
fetch_source() {
  local package=$1 into=$2 tmp
  tmp=$(mktemp -d)
  (cd "$tmp" && apt-get source -qq "$package" >/dev/null 2>&1 || apt-get source "$package")
  rm -rf "$into"
  mv "$(find "$tmp" -mindepth 1 -maxdepth 1 -type d | head -n1)" "$into"
  rm -rf "$tmp"
}

cmake_cross() {
  cmake -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_PREFIX_PATH="$prefix" "$@"
}

png_options="-DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF"
jpeg_options="-DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF"
wx_options="--host=$triplet --with-msw --disable-shared --enable-unicode --with-libjpeg=sys
  --with-libpng=sys --with-zlib=sys --without-libtiff --without-liblzma --without-libcurl
  --without-opengl --disable-html --disable-aui --disable-stc --disable-webview --disable-mediactrl
  --disable-propgrid --disable-ribbon --disable-richtext --disable-xrc
  --disable-webrequest --disable-debug_info --with-expat=no"

build_dependencies() {
  local versions key
  versions="gcc=$($triplet-g++-posix -dumpversion) png=$(source_version libpng1.6)"
  versions+=" jpeg=$(source_version libjpeg-turbo) wx=$(source_version wxwidgets3.2)"
  key=$(printf '%s\n' "$versions" "$png_options" "$jpeg_options" "$wx_options" | sha256sum | cut -c1-16)
  cache=${HARBINET_WIN_CACHE:-$HOME/.cache/harbinet-win}/$key
  prefix=$cache/prefix
  [ -f "$cache/done" ] && return 0
  echo "Building the Windows libraries into $cache ($versions)"
  rm -rf "$cache"
  mkdir -p "$cache/src" "$prefix"
  local src=$cache/src

  fetch_source libpng1.6 "$src/png"
  # shellcheck disable=SC2086
  cmake_cross -S "$src/png" -B "$src/png-build" $png_options >/dev/null
  cmake --build "$src/png-build" -j"$jobs" --target install >/dev/null

  fetch_source libjpeg-turbo "$src/jpeg"
  # shellcheck disable=SC2086
  cmake_cross -S "$src/jpeg" -B "$src/jpeg-build" $jpeg_options >/dev/null
  cmake --build "$src/jpeg-build" -j"$jobs" --target install >/dev/null

  fetch_source wxwidgets3.2 "$src/wx"
  mkdir -p "$src/wx-build"
  # shellcheck disable=SC2086
  (cd "$src/wx-build" &&
    CC=$triplet-gcc-posix CXX=$triplet-g++-posix CPPFLAGS="-I$prefix/include" \
      LDFLAGS="-L$prefix/lib" PKG_CONFIG_LIBDIR="$prefix/lib/pkgconfig" \
      ../wx/configure --prefix="$prefix" $wx_options >configure.log &&
    make -j"$jobs" >make.log && make install >/dev/null)
  rm -rf "$src"
  touch "$cache/done"
}

# GoogleTest from Debian's copy of its sources, for the tests that run under Wine.
build_googletest() {
  local key
  key=$(printf '%s\n' "$($triplet-g++-posix -dumpversion)" \
    "$(dpkg-query -W -f='${Version}' googletest)" | sha256sum | cut -c1-16)
  gtest_prefix=${HARBINET_WIN_CACHE:-$HOME/.cache/harbinet-win}/googletest-$key
  [ -f "$gtest_prefix/done" ] && return 0
  echo "Building GoogleTest for Windows into $gtest_prefix"
  rm -rf "$gtest_prefix" "$gtest_prefix.build"
  cmake -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$gtest_prefix" -Dgtest_disable_pthreads=OFF \
    -S /usr/src/googletest -B "$gtest_prefix.build" >/dev/null
  cmake --build "$gtest_prefix.build" -j"$jobs" --target install >/dev/null
  rm -rf "$gtest_prefix.build"
  touch "$gtest_prefix/done"
}

install_packages
build_dependencies
build_googletest
[ "$mode" = --deps ] && exit 0

build=$root/build-windows
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
  -DHARBINET_WERROR=ON -DHARBINET_BENCH=ON "-DCMAKE_PREFIX_PATH=$prefix;$gtest_prefix" \
  -DwxWidgets_CONFIG_EXECUTABLE="$prefix/bin/wx-config" >/dev/null

# A Wine prefix of the build's own, never ~/.wine; made once, before the test discovery runs
# the test programs, and kept warm by a server that outlives each program. Made with a home of
# its own, so that its Desktop and Documents are not links into the user's. Without Mono and
# Gecko, whose installers would wait for a click on the test display; the first boot is waited
# for, as a program started meanwhile finds a prefix half made.
export WINEPREFIX=${HARBINET_WINEPREFIX:-$build/wine} WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$build/wine-home"
# A server left running in the prefix (by hand, or a run cut short) would never let -w return.
wineserver -k >/dev/null 2>&1 || true
HOME="$build/wine-home" wineboot -i >/dev/null 2>&1 || true
wineserver -w
# The server and Wine's own services stay up until the script ends: services started by a test
# program would hold its output pipe open, and test discovery and ctest wait for that pipe.
wineserver -p
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
wine cmd /c exit >/dev/null 2>&1 </dev/null
cmake --build "$build" -j"$jobs"

if [ "$mode" != --no-tests ]; then
  ctest --test-dir "$build" --output-on-failure -j2 --timeout 600 -L 'core|e2e|wine-gui'
fi

rm -rf "$build/stage"
cmake --install "$build" --prefix "$build/stage" --strip >/dev/null
mkdir -p dist
makensis -V2 -DSTAGE="$build/stage" -DOUTFILE="$root/dist/harbinet-2.2b-setup.exe" \
  resources/windows/installer.nsi
echo "Windows installer: dist/harbinet-2.2b-setup.exe"
