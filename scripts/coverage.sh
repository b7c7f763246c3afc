#!/usr/bin/env bash
# Builds everything with gcov's counters, runs every test and prints the branch coverage of src/.
# Usage: scripts/coverage.sh [gcovr options, e.g. --html-details build/coverage/index.html]
set -euo pipefail
cd "$(dirname "$0")/.."
command -v gcovr >/dev/null || scripts/install-deps.sh
cmake --preset coverage
# Counters from an earlier run would add up with this one's.
find build/coverage -name '*.gcda' -delete
cmake --build --preset coverage -j "$(nproc)"
ctest --preset coverage -j "$(nproc)"
# Branches the compiler adds for exceptions it unwinds, not the program's own decisions, are left out.
gcovr --root . --filter 'src/' --object-directory build/coverage \
    --exclude-throw-branches --exclude-unreachable-branches --print-summary "$@" \
    | tail -n 3
