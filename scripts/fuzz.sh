#!/usr/bin/env bash
# Builds the fuzz harnesses (fuzz/) with AddressSanitizer and UndefinedBehaviorSanitizer and runs
# each over its seed corpus for a fixed number of mutated inputs.
#
#   bash scripts/fuzz.sh [ITERATIONS] [HARNESS...]     (default 10000, every harness)
#
# FUZZ_SEED=S changes the run (default 1), FUZZ_SEEDS_ONLY="a b" runs those harnesses over their
# seeds alone (for a finding not yet mended, which mutations would hit at once), JOBS=N limits
# the build to N compilers (default: one a core). With CXX=clang++ (scripts/setup.sh installs
# clang) the harnesses are libFuzzer programs, built in build-fuzz-clang, and ITERATIONS is
# libFuzzer's -runs. FUZZ_BUILD=DIR takes the harnesses of a sanitized build configured already
# with -DHARBINET_FUZZ=ON (CI's). A failing input is kept in BUILD/fuzz-artifacts/; run the harness with that
# file to see the failure again.
set -euo pipefail
cd "$(dirname "$0")/.."

iterations=${1:-10000}
shift || true
bash scripts/setup.sh

build=${FUZZ_BUILD:-build-fuzz}
if [ -z "${FUZZ_BUILD:-}" ]; then
  case "${CXX:-}" in *clang*) build=build-fuzz-clang ;; esac
  # No harness needs the windows.
  cmake -S . -B "$build" -G Ninja -DHARBINET_WERROR=ON -DHARBINET_SANITIZE=ON -DHARBINET_FUZZ=ON \
    -DHARBINET_GUI=OFF -DHARBINET_TESTS=OFF -DHARBINET_BENCH=OFF >/dev/null
fi
cmake --build "$build" --target fuzz -j"${JOBS:-$(nproc)}"

harnesses=("$@")
if [ ${#harnesses[@]} -eq 0 ]; then
  for exe in "$build"/fuzz/fuzz_*; do harnesses+=("${exe##*/fuzz_}"); done
fi

artifacts="$build/fuzz-artifacts"
mkdir -p "$artifacts"
passed=0 failed=0
for h in "${harnesses[@]}"; do
  runs=$iterations
  [[ " ${FUZZ_SEEDS_ONLY:-} " != *" $h "* ]] || runs=0
  # libFuzzer adds what it finds to its first folder: a scratch one, so fuzz/corpus stays as is.
  scratch=$(mktemp -d)
  start=$SECONDS
  if "$build/fuzz/fuzz_$h" -runs="$runs" -seed="${FUZZ_SEED:-1}" \
    -artifact_prefix="$artifacts/$h-" "$scratch" "fuzz/corpus/$h" >"$artifacts/$h.log" 2>&1; then
    echo "fuzz: $h passed, $runs mutated inputs in $((SECONDS - start)) s"
    passed=$((passed + 1))
  else
    tail -n 40 "$artifacts/$h.log"
    echo "fuzz: $h FAILED (log $artifacts/$h.log, input in $artifacts/)"
    failed=$((failed + 1))
  fi
  rm -rf "$scratch"
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
