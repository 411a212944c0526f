# shellcheck shell=bash
# Sourced by check-installer.sh and check-msi.sh: runs the setup program and
# the MSI under Wine (scripts/windows/wine.sh). The caller defines
# fail MESSAGE, which ends the check.
# shellcheck source=SCRIPTDIR/wine.sh
source "$(dirname "${BASH_SOURCE[0]}")/wine.sh"

# expect STATUS PROGRAM [ARGUMENT...]: runs a Windows program, which must end
# with the exit code STATUS, of which a Unix shell sees only the low byte
# (1603 as 67).
expect() {
    local expected=$1 status=0
    shift
    "$wine_bin" "$@" </dev/null >/dev/null 2>&1 || status=$?
    [ "$status" -eq $((expected % 256)) ] ||
        fail "$(basename "$1") ${*:2}: status $status, not $expected"
}

# msiexec_expect STATUS ARGUMENT...: msiexec, silent and with a full log in
# msiexec_log, must end with STATUS. Otherwise the log's end, without the
# list of properties, shows the action that failed.
msiexec_expect() {
    local expected=$1 status=0
    shift
    msiexec_log="$WINEPREFIX/drive_c/msiexec.log"
    rm -f "$msiexec_log"
    "$wine_bin" msiexec "$@" /qn /l*v 'C:\msiexec.log' </dev/null >/dev/null 2>&1 || status=$?
    if [ "$status" -ne $((expected % 256)) ]; then
        if [ -f "$msiexec_log" ]; then
            tr -d '\r' <"$msiexec_log" | grep -av -e '^$' -e '^Property(' | tail -n 25 >&2 || true
        fi
        fail "msiexec $* ended with $status, not $expected"
    fi
}

# msi_property MSI NAME: a value of the package's Property table.
msi_property() {
    msiinfo export "$1" Property | tr -d '\r' | sed -n "s/^$2\t//p"
}

# wait_until COMMAND [ARGUMENT...]: msiexec and an uninstaller may return
# before they have finished: waits up to 30 s for the command to succeed.
wait_until() {
    local tries=0
    until "$@"; do
        tries=$((tries + 1))
        [ "$tries" -le 300 ] || return 1
        sleep 0.1
    done
}
