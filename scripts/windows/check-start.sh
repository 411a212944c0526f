#!/usr/bin/env bash
# check-start.sh PACKAGE_ENV ZIP: unpacks the zip and starts the program from
# it, as a double-click would, under Wine on the X server of
# scripts/windows/wine.sh. Its window must appear with the program's caption
# (from PACKAGE_ENV) within the time limit, then close as a user closes it,
# with the program ending without error.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine.sh"
source "$here/program.sh"
source "$here/package-env.sh"
if [ $# -ne 2 ]; then
    echo "usage: $0 PACKAGE_ENV ZIP" >&2
    exit 2
fi
caption=$(package_value "$1" caption)
zip=$2
limit=60

# However a check ends, the program does not stay behind it.
unpacked=$(mktemp -d)
cleanup() {
    program_kill
    rm -rf "$unpacked"
}
trap cleanup EXIT
unzip -q "$zip" -d "$unpacked"
exe=$(find "$unpacked" -name sredna.exe)

# Now and then a start under Wine, right after the tests, shows no window at
# all, where the same start a moment later shows it in a second: it gets one
# more try, and the log says how many it needed. A second miss fails.
window=
retries=0
for attempt in 1 2; do
    started=$(date +%s.%N)
    program_start "$exe"
    window=$(program_window "$caption" "$limit") && break
    echo "no window within $limit s (start $attempt of 2)" >&2
    "$wine_bin" taskkill /f /im sredna.exe </dev/null >/dev/null 2>&1 || true
    program_kill
    retries=$attempt
done
echo "start retries: $retries"
[ -n "$window" ] || exit 1
mapped=$(date +%s.%N)
awk -v a="$started" -v b="$mapped" 'BEGIN { printf "window mapped after %.2f s\n", b - a }'
# The window found first can be gone a moment later, while the program is
# still starting: look it up again until one answers.
shown=
size=
for _ in $(seq 50); do
    if shown=$(xdotool getwindowname "$window" 2>/dev/null) &&
        info=$(xwininfo -id "$window" 2>/dev/null); then
        size=$(awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }' <<<"$info")
        break
    fi
    sleep 0.2
    window=$(program_window "$caption" 1) || true
done
[ -n "$size" ] || { echo "the program's window cannot be read" >&2; exit 1; }
# A "*" at the end marks numbers not saved: none yet, but the caption is the
# program's either way.
if [ "$shown" != "$caption" ] && [ "$shown" != "$caption*" ]; then
    echo "caption is \"$shown\", not \"$caption\"" >&2
    exit 1
fi
# With no window manager, Wine's X window is the client area: 7785 × 6570
# twips at 100 %.
if [ "$size" != 519x438 ]; then
    echo "the client area is $size, not 519x438" >&2
    exit 1
fi

# Closing the window (WM_CLOSE, as the title bar's close button sends) ends
# the program.
program_close
echo "closed cleanly"
