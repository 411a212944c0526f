# shellcheck shell=bash
# Sourced: starts the program under Wine (scripts/windows/wine.sh), as a
# double-click would, waits for its window and ends it.
# shellcheck source=SCRIPTDIR/wine.sh
source "$(dirname "${BASH_SOURCE[0]}")/wine.sh"

# program_start EXE: starts EXE with nothing from the build (no library
# path, no Qt settings of the tests), so its libraries come from its own
# folder. Sets program_pid.
program_start() {
    env -u WINEPATH -u WINEQT_QPA_PLATFORM -u WINEQT_QPA_FONTDIR -u WINEQT_PLUGIN_PATH \
        "$wine_bin" "$1" >/dev/null 2>&1 &
    program_pid=$!
}

# program_window CAPTION SECONDS: prints the id of a visible window whose
# caption starts with CAPTION (the main window's, from package.env: its dots
# would be plain dots), with or without the "*" of numbers not saved at its
# end, waiting up to SECONDS for one; fails if none comes.
program_window() {
    timeout "$2" xdotool search --sync --limit 1 --onlyvisible --name "^${1//./\\.}"
}

# program_close: closes the window as its close button does (WM_CLOSE, by
# taskkill without /f), asking again while the program is still starting,
# and waits up to 10 s for it to end. Fails, saying why, if it cannot be
# closed, does not end or ends with an error.
program_close() {
    local said closed=false status=0
    for _ in $(seq 10); do
        if said=$("$wine_bin" taskkill /im sredna.exe </dev/null 2>&1); then
            closed=true
            break
        fi
        sleep 0.5
    done
    $closed || { echo "taskkill could not close the program: $said" >&2; return 1; }
    for _ in $(seq 100); do
        kill -0 "$program_pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$program_pid" 2>/dev/null; then
        echo "the program did not end after its window was closed" >&2
        return 1
    fi
    wait "$program_pid" || status=$?
    program_pid=
    [ "$status" -eq 0 ] || { echo "the program ended with status $status" >&2; return 1; }
}

# program_kill: ends the program, if it was started and still runs, however
# a check ends.
program_kill() {
    if [ -n "${program_pid:-}" ] && kill -0 "$program_pid" 2>/dev/null; then
        kill "$program_pid" 2>/dev/null || true
        wait "$program_pid" 2>/dev/null || true
    fi
    program_pid=
}
