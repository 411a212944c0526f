#!/usr/bin/env bash
# check-installer.sh SETUP NSI STAGE FILES: tries the setup under Wine, in
# the prefix and on the X server of scripts/windows/wine.sh (its WINEPREFIX
# and DISPLAY). NSI, STAGE and FILES are what SETUP was made from (the
# configured script, the program folder, the uninstaller's file list); an
# older version with one file more is made from them to upgrade from.
#   1. the older version for all users, silently; SETUP over it: the older
#      version's files are gone, and one entry remains, with every value;
#   2. /D= moves the install to the folder given;
#   3. while the program runs, a silent install and a silent uninstall end
#      with 3 and change nothing;
#   4. /CurrentUser installs into the user's own folder, Start menu and
#      registry, and its uninstaller removes only that;
#   5. the uninstaller removes the rest.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine.sh"
if [ $# -ne 4 ]; then
    echo "usage: $0 SETUP NSI STAGE FILES" >&2
    exit 2
fi
setup=$1 nsi=$2 stage=$3 files=$4
name="Средна стойност"
version=$(sed -n 's/^ *!define VERSION "\(.*\)"$/\1/p' "$nsi")
publisher=$(sed -n 's/^ *!define PUBLISHER "\(.*\)"$/\1/p' "$nsi")
exit_running=$(sed -n 's/^!define EXIT_RUNNING \([0-9]*\).*/\1/p' "$nsi")
uninstall_key='Software\Microsoft\Windows\CurrentVersion\Uninstall'

work=$(mktemp -d)
program=
cleanup() {
    if [ -n "$program" ]; then
        kill "$program" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "check-installer: $*" >&2
    exit 1
}

# A Windows folder of the prefix, from Wine's own environment, and the same
# folder on this side.
windows_folder() {
    "$wine_bin" cmd /c echo "%$1%" </dev/null 2>/dev/null | tr -d '\r'
}
host_path() {
    local path=${1#C:\\}
    echo "$WINEPREFIX/drive_c/${path//\\//}"
}
programs="$(windows_folder ProgramFiles)\\$name"
user_programs="$(windows_folder LOCALAPPDATA)\\Programs\\$name"
# Wine quotes an argument that holds a space, and /D= must not be quoted.
chosen='C:\Школа\Средна'
machine_link="$(host_path "$(windows_folder ProgramData)")/Microsoft/Windows/Start Menu/Programs/$name.lnk"
user_link="$(host_path "$(windows_folder APPDATA)")/Microsoft/Windows/Start Menu/Programs/$name.lnk"

# run STATUS PROGRAM ARGUMENT...: runs a Windows program, which must end
# with STATUS.
run() {
    local expected=$1 status=0
    shift
    "$wine_bin" "$@" </dev/null >/dev/null 2>&1 || status=$?
    [ "$status" -eq "$expected" ] || fail "$(basename "$1") ${*:2}: status $status, not $expected"
}

# entries HIVE: the uninstall entries of a hive, one "Name"=value a line;
# exported to a file as UTF-16, since the console would show Cyrillic as "?".
entries() {
    local file="$WINEPREFIX/drive_c/sredna-entries.reg"
    rm -f "$file"
    "$wine_bin" reg export "$1\\$uninstall_key" 'C:\sredna-entries.reg' /y \
        </dev/null >/dev/null 2>&1 || return 0
    iconv -f UTF-16 -t UTF-8 "$file" | tr -d '\r'
    rm -f "$file"
}
# entry HIVE: the values of the program's entry, sorted.
entry() {
    entries "$1" | awk '/^\[/ { mine = /\\sredna\]$/ } mine && /^"/' | sort
}

# check_installed HIVE FOLDER LINK: FOLDER holds the stage and the
# uninstaller, LINK is there, and the hive's entry names them with every
# value; no other entry of the hive carries the program's name.
check_installed() {
    local hive=$1 folder=$2 link=$3 dir
    dir=$(host_path "$folder")
    diff -r -x uninstall.exe "$stage" "$dir" >&2 || fail "$dir differs from the stage"
    [ -f "$dir/uninstall.exe" ] || fail "no uninstaller in $dir"
    [ -f "$link" ] || fail "no shortcut $link"
    local bytes quoted=${folder//\\/\\\\}
    bytes=$(find "$dir" -type f -printf '%s\n' | awk '{ s += $1 } END { print s }')
    diff <(entry "$hive") <(
        sort <<EOF
"DisplayIcon"="$quoted\\\\sredna.exe,0"
"DisplayName"="$name"
"DisplayVersion"="$version"
"EstimatedSize"=dword:$(printf '%08x' $((bytes / 1024)))
"InstallLocation"="$quoted"
"NoModify"=dword:00000001
"NoRepair"=dword:00000001
"Publisher"="$publisher"
"QuietUninstallString"="\\"$quoted\\\\uninstall.exe\\" /S"
"UninstallString"="\\"$quoted\\\\uninstall.exe\\""
EOF
    ) >&2 || fail "the $hive entry is not as expected"
    local count
    count=$(entries "$hive" | grep -c "^\"DisplayName\"=\"$name\"$")
    [ "$count" -eq 1 ] || fail "$count $hive entries are named $name"
}

# uninstall HIVE FOLDER LINK: runs the entry's quiet uninstall command, as
# Windows does, and waits for the uninstaller it starts (it copies itself
# away and returns at once) to remove the folder, the shortcut and the entry.
uninstall() {
    local hive=$1 dir link=$3
    dir=$(host_path "$2")
    run 0 "$dir/uninstall.exe" /S
    for _ in $(seq 300); do
        [ -e "$dir" ] || [ -e "$link" ] || [ -n "$(entry "$hive")" ] || return 0
        sleep 0.1
    done
    [ ! -e "$dir" ] || fail "$dir is still there: $(ls -A "$dir")"
    [ ! -e "$link" ] || fail "the shortcut $link is still there"
    fail "the $hive entry is still there"
}

# All that the install shows: its files, shortcuts and entries.
snapshot() {
    find "$(host_path "$chosen")" "$machine_link" -printf '%p %s %T@\n' | sort
    entries HKLM
    entries HKCU
}

echo "1. upgrade over an older version for all users"
# The older version, made from the same inputs, has one file more.
old="$work/old"
cp -a "$stage" "$old"
mkdir "$old/retired"
echo "only in the older version" >"$old/retired/notes.txt"
cp "$files" "$work/old-files.nsh"
# shellcheck disable=SC2016 # NSIS's variable
printf '%s\n' 'Delete "$INSTDIR\retired\notes.txt"' 'RMDir "$INSTDIR\retired"' \
    >>"$work/old-files.nsh"
makensis -INPUTCHARSET UTF8 -V2 -DVERSION=0.0.1 -DSOURCE="$old" \
    -DFILES="$work/old-files.nsh" -DOUTFILE="$work/old-setup.exe" "$nsi" >&2
run 0 "$work/old-setup.exe" /S
[ -f "$(host_path "$programs")/retired/notes.txt" ] || fail "the older version is not installed"
run 0 "$setup" /S
check_installed HKLM "$programs" "$machine_link"

echo "2. /D= moves the install"
run 0 "$setup" /S "/D=$chosen"
[ ! -e "$(host_path "$programs")" ] || fail "the install in $programs is still there"
check_installed HKLM "$chosen" "$machine_link"

echo "3. nothing changes while the program runs"
# A copy outside the install: only its window tells that it runs.
cp -a "$stage" "$work/running"
env -u WINEPATH -u WINEQT_QPA_PLATFORM -u WINEQT_QPA_FONTDIR -u WINEQT_PLUGIN_PATH \
    "$wine_bin" "$work/running/sredna.exe" >/dev/null 2>&1 &
program=$!
timeout 60 xdotool search --sync --onlyvisible --name 'www\.example\.org' >/dev/null ||
    fail "the program showed no window within 60 s"
before=$(snapshot)
run "$exit_running" "$setup" /S
run "$exit_running" "$(host_path "$chosen")/uninstall.exe" /S "_?=$chosen"
[ "$(snapshot)" = "$before" ] || fail "the install changed while the program ran"
"$wine_bin" taskkill /im sredna.exe </dev/null >/dev/null 2>&1 || true
for _ in $(seq 100); do
    kill -0 "$program" 2>/dev/null || break
    sleep 0.1
done
kill "$program" 2>/dev/null || true
wait "$program" || true
program=

echo "4. /CurrentUser for the user alone"
run 0 "$setup" /S /CurrentUser
check_installed HKCU "$user_programs" "$user_link"
check_installed HKLM "$chosen" "$machine_link"
uninstall HKCU "$user_programs" "$user_link"
check_installed HKLM "$chosen" "$machine_link"

echo "5. uninstall"
uninstall HKLM "$chosen" "$machine_link"
echo "installed, upgraded, moved, refused while running, installed per user, uninstalled"
