#!/usr/bin/env bash
# Configures and builds Harbinet into build/ (warnings are errors): everything, or only the
# targets named, e.g. scripts/build.sh harbinet harbinet-cli
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DHARBINET_WERROR=ON >/dev/null
targets=()
for t in "$@"; do targets+=(--target "$t"); done
cmake --build build -j"$(nproc)" "${targets[@]}"
