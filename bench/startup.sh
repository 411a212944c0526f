#!/usr/bin/env bash
# startup.sh [-n RUNS] [PROGRAM [ARGS...]]
# What a start of the program costs, from launch until its window is shown
# and the event loop is idle: the instructions it executes (callgrind, all
# threads) and its resident memory. PROGRAM defaults to the optimised build,
# build/program/app/sredna (cmake --preset program && cmake --build --preset
# program). Give a bare Qt window as PROGRAM to have a floor to compare with.
# Uses $DISPLAY, or else a private Xvfb server of its own. The program itself
# has no hook for this: the window is found by its process id, and idle is
# when the instruction count, or the processor time, stops growing.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/ensure-packages.sh valgrind xdotool xvfb

runs=5
if [ "${1:-}" = "-n" ]; then
    runs=$2
    shift 2
fi
[ $# -ge 1 ] || set -- build/program/app/sredna
[ -x "$1" ] || {
    echo "startup.sh: $1 is not a program; build it first" >&2
    exit 2
}

work=$(mktemp -d)
xvfb=""
cleanup() {
    [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
if [ -z "${DISPLAY:-}" ]; then
    Xvfb -displayfd 3 -screen 0 1280x1024x24 3>"$work/display" 2>/dev/null &
    xvfb=$!
    for _ in $(seq 50); do
        [ -s "$work/display" ] && break
        sleep 0.1
    done
    DISPLAY=:$(cat "$work/display")
    export DISPLAY
fi

# Waits until the process shows a window; fails after a minute.
await_window() {
    timeout 60 xdotool search --sync --onlyvisible --pid "$1" >/dev/null
}

# Prints a number once two readings of it a second apart agree.
settle() {
    local last="" now
    while now=$("$@") && [ "$now" != "$last" ]; do
        last=$now
        sleep 1
    done
    echo "$last"
}

instructions_now() {
    callgrind_control -e Ir "$1" 2>/dev/null | awk '/^ *Th [0-9]+/ {gsub(",", "", $3); s += $3} END {print s}'
}

cpu_time_now() {
    awk '{print $14 + $15}' "/proc/$1/stat"
}

median() {
    sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'
}

valgrind --tool=callgrind --callgrind-out-file="$work/callgrind.%p" "$@" >"$work/callgrind.log" 2>&1 &
app=$!
await_window "$app"
instructions=$(settle instructions_now "$app")
kill "$app"
wait "$app" 2>/dev/null || true

kib=()
for ((i = 0; i < runs; i++)); do
    "$@" >/dev/null 2>&1 &
    app=$!
    await_window "$app"
    settle cpu_time_now "$app" >/dev/null
    kib+=("$(awk '/^VmRSS:/ {print $2}' "/proc/$app/status")")
    kill "$app"
    wait "$app" 2>/dev/null || true
done

printf 'instructions to idle: %s (%.1fM)\n' "$instructions" "$(echo "$instructions / 1000000" | bc -l)"
echo "resident memory at idle: $(printf '%s\n' "${kib[@]}" | median) KiB (median of $runs: ${kib[*]})"
