#!/usr/bin/env bash
# Builds the libFuzzer targets over the core (clang, address and undefined-
# behaviour sanitizers) and runs each on a copy of its seed corpus, so that
# fuzz/corpus/ stays as committed. Fails if any target finds a crash.
#
#   scripts/fuzz.sh            # 20000 runs per target: a quick check, as in CI
#   scripts/fuzz.sh 1000000    # a longer search, a few minutes per target
#
# A crashing input is saved as build/fuzz/findings/<target>/crash-*; replay it
# with build/fuzz/fuzz/<target> <file>. The inputs a run found interesting
# stay in build/fuzz/work/<target>; to keep a few of them as seeds:
#   build/fuzz/fuzz/<target> -merge=1 fuzz/corpus/<target> build/fuzz/work/<target>
set -euo pipefail
cd "$(dirname "$0")/.."

runs="${1:-20000}"
if ! [[ "$runs" =~ ^[0-9]+$ ]]; then
    echo "usage: $0 [RUNS]" >&2
    exit 2
fi

# clang provides clang++; the libFuzzer runtime comes in the compiler-rt
# package of the same major version, whichever clang Debian installed.
scripts/ensure-packages.sh clang
clang_major=$(clang++ -dumpversion | cut -d. -f1)
scripts/ensure-packages.sh "libclang-rt-$clang_major-dev"

cmake --preset fuzz
cmake --build --preset fuzz

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"

failed=()
for target in fuzz_val fuzz_user_number fuzz_number_text fuzz_model fuzz_calculate \
    fuzz_numbers_file fuzz_history; do
    work="build/fuzz/work/$target"
    findings="build/fuzz/findings/$target"
    log="build/fuzz/logs/$target.log"
    rm -rf "$work"
    mkdir -p "$work" "$findings" "$(dirname "$log")"
    cp fuzz/corpus/"$target"/* "$work"/
    echo "== $target: $runs runs"
    if build/fuzz/fuzz/"$target" -runs="$runs" -max_len=4096 -print_final_stats=1 \
        -artifact_prefix="$findings/" "$work" >"$log" 2>&1; then
        grep -E '^(Done|stat::number_of_executed_units|stat::average_exec_per_sec)' "$log" || true
    else
        echo "!! $target failed; the log is $log:"
        tail -n 40 "$log"
        failed+=("$target")
    fi
done

if [ ${#failed[@]} -ne 0 ]; then
    echo "Fuzzing found problems in: ${failed[*]}" >&2
    exit 1
fi
echo "All fuzz targets passed."
