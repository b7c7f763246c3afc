#!/usr/bin/env bash
# The style and static checks: clang-format over all C++ sources, and with --tidy also clang-tidy (the
# checks and thresholds of .clang-tidy) over the program's and the tools' sources, in parallel, with the
# compile commands of a configured preset (dev unless named: scripts/lint.sh --tidy engine-asan).
# CI runs both.
set -euo pipefail
cd "$(dirname "$0")/.."
tidy=false
if [[ "${1:-}" == "--tidy" ]]; then
    tidy=true
    shift
fi
preset=${1:-dev}
build=build/$preset
jobs=$(nproc)

echo "== clang-format"
git ls-files -z -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' 'bench/*.h' 'tools/*.cpp' \
    'tools/*.h' | xargs -0 -n 50 -P "$jobs" clang-format --dry-run -Werror

if ! $tidy; then
    echo "lint: format clean"
    exit 0
fi

echo "== clang-tidy ($preset)"
if [[ ! -f $build/compile_commands.json ]]; then
    cmake --preset "$preset" >/dev/null
fi
# The compile commands are GCC's: clang leaves GCC's own warnings aside, and the compiler's warnings are
# the build's business, not lint's (-w); tidy's findings are errors by .clang-tidy.
run-clang-tidy-14 -p "$build" -j "$jobs" -quiet -extra-arg=-w -extra-arg=-Wno-unknown-warning-option \
    "$PWD/(src|tools)/.*\.cpp$" >"$build/clang-tidy.log" 2>&1 || {
    grep -E 'error:|warning:' "$build/clang-tidy.log" | sort -u
    echo "clang-tidy found the problems above (whole output: $build/clang-tidy.log)"
    exit 1
}
echo "lint: clean"
