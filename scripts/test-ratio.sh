#!/usr/bin/env bash
# Prints the lines of code of the tests and of the program (C++ sources and headers, not
# counting blank lines and lines that hold only a // comment) and their ratio.
set -euo pipefail
cd "$(dirname "$0")/.."

count() {
    find "$1" -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z |
        xargs -0 cat | awk '!/^[[:space:]]*$/ && !/^[[:space:]]*\/\// { n++ } END { print n + 0 }'
}

tests=$(count tests)
program=$(count src)
echo "tests: $tests lines, src: $program lines, ratio $(awk -v t="$tests" -v s="$program" \
    'BEGIN { printf "%.2f", s ? t / s : 0 }')"
