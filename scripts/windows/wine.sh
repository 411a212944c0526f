# shellcheck shell=bash
# Sourced: runs Windows programs under Wine, headless, in a private prefix
# that wine_start makes afresh, on an X server of its own (Xvfb).

wine_bin=/usr/lib/wine/wine64      # the wine64 package puts no command on PATH
wineserver_bin=/usr/lib/wine/wineserver

export WINEDEBUG=-all
# No prompts for Mono or Gecko, and no menu entries on the host for the
# shortcuts an installer makes.
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d"

# A host path as Wine's Z: drive shows it.
windows_path() {
    local path=${1//\//\\}
    echo "Z:$path"
}

# wine_start PREFIX: a fresh Wine prefix at PREFIX and an X server for it;
# wine_stop ends both, and nothing else: not the server of a prefix the
# caller's shell may have named in WINEPREFIX before wine_start ran.
wine_start() {
    wine_prefix=$1
    export WINEPREFIX=$1
    rm -rf "$WINEPREFIX"
    local display_file
    display_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
    xvfb_pid=$!
    local tries=0
    while [ ! -s "$display_file" ]; do
        tries=$((tries + 1))
        [ "$tries" -le 100 ] || { echo "Xvfb did not start" >&2; return 1; }
        sleep 0.1
    done
    DISPLAY=":$(cat "$display_file")"
    export DISPLAY
    rm -f "$display_file"
    "$wine_bin" wineboot --init </dev/null >/dev/null 2>&1
    # Wine's server and background services are then started for good before
    # anything whose output is read, so they do not hold that output's pipe
    # open. The server that made the prefix has to end first.
    "$wineserver_bin" -w
    "$wineserver_bin" -p
    "$wine_bin" cmd /c exit </dev/null >/dev/null 2>&1
    # Windows has Times New Roman and Wine has not: its metric twin stands in.
    "$wine_bin" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' \
        /t REG_SZ /d 'Liberation Serif' /f </dev/null >/dev/null 2>&1
}

wine_stop() {
    if [ -n "${wine_prefix:-}" ]; then
        WINEPREFIX=$wine_prefix "$wineserver_bin" -k 2>/dev/null || true
        wine_prefix=
    fi
    if [ -n "${xvfb_pid:-}" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        xvfb_pid=
    fi
}
