#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds Harbinet and runs every test (GUI tests under Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --test-dir build --output-on-failure -j2 --timeout 300 "$@"
