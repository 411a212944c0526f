#!/usr/bin/env bash
# Runs one Windows program under Wine with the environment the caller set up
# (scripts/windows/wine.sh); ctest uses it to run the cross-built tests.
# Now and then Wine fails a program before it has started: no output at all
# and a failing exit code. Such a run is tried again, at most twice; a run
# that printed anything keeps its result, so a test's own failure stands.
set -uo pipefail
output=$(mktemp)
trap 'rm -f "$output"' EXIT
for attempt in 1 2 3; do
    /usr/lib/wine/wine64 "$@" >"$output" 2>&1
    status=$?
    if [ "$status" -eq 0 ] || [ -s "$output" ] || [ "$attempt" -eq 3 ]; then
        break
    fi
    echo "wine-run: Wine ended $1 with $status before it printed anything; again" >&2
done
cat "$output"
exit "$status"
