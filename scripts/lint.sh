#!/usr/bin/env bash
# Static checks: shellcheck over every shell script, then clang-tidy (rules
# in .clang-tidy) and cppcheck over all of the project's own sources:
# program, tests, benchmarks and fuzzers. Fails on any finding.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/ensure-packages.sh libgtest-dev libbenchmark-dev clang clang-tidy cppcheck shellcheck

# Sourced files follow from the scripts that source them, found beside them.
mapfile -t scripts < <(find scripts packaging bench -name '*.sh' | LC_ALL=C sort)
shellcheck -x -P SCRIPTDIR "${scripts[@]}" .ci/run
cmake --preset ci >/dev/null
cmake --build --preset ci >/dev/null  # generates the Qt moc and resource sources
cmake --preset fuzz >/dev/null        # the fuzzers compile only with clang

tidy() {
    local build=$1
    shift
    # clang-tidy counts the warnings it suppressed in system headers on
    # stderr. A pipe, not a process substitution: the script waits for the
    # filter, so no finding is lost at the end, and xargs's status still
    # fails the pipe (pipefail) while the filter's own never does.
    printf '%s\n' "$@" | xargs -P "$(nproc)" -n 1 clang-tidy -p "$build" --quiet 2>&1 |
        { grep -v 'warnings generated' || true; }
}
tidy build/ci core/*/*.cpp ui/*/*.cpp app/*.cpp tests/*.cpp bench/*.cpp
tidy build/fuzz fuzz/*.cpp

cppcheck --enable=warning,performance,portability,style --std=c++20 --language=c++ \
    --inline-suppr --error-exitcode=1 --quiet -I . core ui app
# Its style checks misread the test frameworks' tables and sanitizer
# switches: these are checked for faults only.
cppcheck --enable=warning,performance,portability --std=c++20 --language=c++ \
    --library=googletest --library=qt --inline-suppr --error-exitcode=1 --quiet -I . \
    tests bench fuzz
echo "lint: clean"
