#!/usr/bin/env bash
# Runs one Windows program under Wine with the environment the caller set up
# (scripts/windows/wine.sh); ctest uses it to run the cross-built tests.
# Now and then Wine fails a program before it has started: no output at all
# and a failing exit code. Such a run is tried once more, and the retry is
# said on stderr and counted in SREDNA_WINE_RETRIES (a file, when set), so
# that flakiness shows. A run that needs a second retry fails: that is no
# longer a passing fault. A run that printed anything keeps its result, so
# a test's own failure stands.
set -uo pipefail
output=$(mktemp)
trap 'rm -f "$output"' EXIT
for attempt in 1 2; do
    /usr/lib/wine/wine64 "$@" >"$output" 2>&1
    status=$?
    if [ "$status" -eq 0 ] || [ -s "$output" ]; then
        break
    fi
    if [ "$attempt" -eq 2 ]; then
        echo "wine-run: Wine ended $1 with $status before it printed anything, twice; failing" >&2
        break
    fi
    echo "wine-run: Wine ended $1 with $status before it printed anything; one retry" >&2
    if [ -n "${SREDNA_WINE_RETRIES:-}" ]; then
        echo "$1" >>"$SREDNA_WINE_RETRIES"
    fi
done
cat "$output"
exit "$status"
