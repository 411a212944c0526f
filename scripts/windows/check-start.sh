#!/usr/bin/env bash
# check-start.sh ZIP: unpacks the zip and starts the program from it, as a
# double-click would, under Wine on the X server of scripts/windows/wine.sh.
# Its window must appear with the program's caption within the time limit,
# then close as a user closes it, with the program ending without error.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine.sh"
zip=$1
limit=60
caption="www.example.org   Средна аритметична, геометрична, квадратична , хармонична"

# However a check ends, the program does not stay behind it.
unpacked=$(mktemp -d)
program=
cleanup() {
    if [ -n "$program" ] && kill -0 "$program" 2>/dev/null; then
        kill "$program" 2>/dev/null || true
        wait "$program" 2>/dev/null || true
    fi
    rm -rf "$unpacked"
}
trap cleanup EXIT
unzip -q "$zip" -d "$unpacked"
exe=$(find "$unpacked" -name sredna.exe)

# Nothing from the build: the libraries must come from the unpacked folder.
started=$(date +%s.%N)
env -u WINEPATH -u WINEQT_QPA_PLATFORM -u WINEQT_QPA_FONTDIR -u WINEQT_PLUGIN_PATH \
    "$wine_bin" "$exe" >/dev/null 2>&1 &
program=$!
window=$(timeout "$limit" xdotool search --sync --onlyvisible --name 'www\.example\.org' |
    head -n 1) || {
    echo "no window within $limit s" >&2
    exit 1
}
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
    window=$(xdotool search --onlyvisible --name 'www\.example\.org' | head -n 1) || true
done
[ -n "$size" ] || { echo "the program's window cannot be read" >&2; exit 1; }
if [ "$shown" != "$caption" ]; then
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
# A program still busy starting may not take the request yet: ask again.
closed=false
for _ in $(seq 10); do
    if said=$("$wine_bin" taskkill /im sredna.exe 2>&1); then
        closed=true
        break
    fi
    sleep 0.5
done
$closed || { echo "taskkill could not close the program: $said" >&2; exit 1; }
for _ in $(seq 100); do
    kill -0 "$program" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$program" 2>/dev/null; then
    echo "the program did not end after its window was closed" >&2
    exit 1
fi
status=0
wait "$program" || status=$?
program=
[ "$status" -eq 0 ] || { echo "the program ended with status $status" >&2; exit 1; }
echo "closed cleanly"
