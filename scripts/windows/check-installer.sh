#!/usr/bin/env bash
# check-installer.sh PACKAGE_ENV SETUP STAGE FILES MSI: tries the setup
# under Wine, in the prefix and on the X server of scripts/windows/wine.sh
# (its WINEPREFIX and DISPLAY). STAGE and FILES are what SETUP was made from
# (the program folder, the uninstaller's file list) with the script that
# PACKAGE_ENV names, and the names and version are those of PACKAGE_ENV; an
# older version with one file more is made from them to upgrade from.
#   1. the older version for all users, silently; SETUP over it: the older
#      version's files are gone, and one entry remains, with every value;
#   2. /D= moves the install to the folder given;
#   3. while the program runs, a silent install and a silent uninstall end
#      with 3 and change nothing;
#   4. /CurrentUser installs into the user's own folder, Start menu and
#      registry, and its uninstaller removes only that;
#   5. the uninstaller removes the rest;
#   6. beside the MSI, for all users it refuses and changes nothing, for one
#      user it installs, and removing either install leaves the other's
#      files; once the MSI is gone it installs for all users again.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine.sh"
source "$here/registry.sh"
source "$here/program.sh"
source "$here/installers.sh"
source "$here/package-env.sh"
if [ $# -ne 5 ]; then
    echo "usage: $0 PACKAGE_ENV SETUP STAGE FILES MSI" >&2
    exit 2
fi
env_file=$1 setup=$2 stage=$3 files=$4 msi=$5
nsi=$(package_value "$env_file" nsi)
name=$(package_value "$env_file" name)
version=$(package_value "$env_file" version)
publisher=$(package_value "$env_file" publisher)
caption=$(package_value "$env_file" caption)
setup_key=$(package_value "$env_file" setup_key)
fail() {
    echo "check-installer: $*" >&2
    exit 1
}
# The setup program's own exit codes.
exit_code() {
    local code
    code=$(sed -n "s/^!define $1 \([0-9]*\).*/\1/p" "$nsi")
    [ -n "$code" ] || fail "$nsi defines no $1"
    echo "$code"
}
exit_running=$(exit_code EXIT_RUNNING)
exit_msi_installed=$(exit_code EXIT_MSI_INSTALLED)
# The setup program's entry, and the key that holds every program's.
uninstall_key=${setup_key%\\*}

work=$(mktemp -d)
cleanup() {
    program_kill
    rm -rf "$work"
}
trap cleanup EXIT

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

# entries HIVE: the uninstall entries of a hive, one "Name"=value a line.
entries() {
    registry_export "$1\\$uninstall_key"
}
# entry HIVE: the values of the program's entry, sorted.
entry() {
    registry_export "$1\\$setup_key" | awk '/^"/' | sort
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
    # awk, not grep -c, which fails when it counts none.
    local count
    count=$(entries "$hive" |
        awk -v line="\"DisplayName\"=\"$name\"" '$0 == line { n++ } END { print n + 0 }')
    [ "$count" -eq 1 ] || fail "$count $hive entries are named $name"
}

# uninstall HIVE FOLDER LINK: runs the entry's quiet uninstall command, as
# Windows does, and waits for the uninstaller it starts (it copies itself
# away and returns at once) to remove the folder, the shortcut and the entry.
uninstall() {
    local hive=$1 dir link=$3
    dir=$(host_path "$2")
    expect 0 "$dir/uninstall.exe" /S
    gone() { [ ! -e "$dir" ] && [ ! -e "$link" ] && [ -z "$(entry "$hive")" ]; }
    wait_until gone && return 0
    [ ! -e "$dir" ] || fail "$dir is still there: $(ls -A "$dir")"
    [ ! -e "$link" ] || fail "the shortcut $link is still there"
    fail "the $hive entry is still there"
}

# snapshot PATH...: all that the installs show: the files under PATH..., and
# the entries.
snapshot() {
    find "$@" -printf '%p %s %T@\n' | sort
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
expect 0 "$work/old-setup.exe" /S
[ -f "$(host_path "$programs")/retired/notes.txt" ] || fail "the older version is not installed"
expect 0 "$setup" /S
check_installed HKLM "$programs" "$machine_link"

echo "2. /D= moves the install"
expect 0 "$setup" /S "/D=$chosen"
[ ! -e "$(host_path "$programs")" ] || fail "the install in $programs is still there"
check_installed HKLM "$chosen" "$machine_link"

echo "3. nothing changes while the program runs"
# A copy outside the install: only its window tells that it runs.
cp -a "$stage" "$work/running"
program_start "$work/running/sredna.exe"
program_window "$caption" 60 >/dev/null || fail "the program showed no window within 60 s"
before=$(snapshot "$(host_path "$chosen")" "$machine_link")
expect "$exit_running" "$setup" /S
expect "$exit_running" "$(host_path "$chosen")/uninstall.exe" /S "_?=$chosen"
[ "$(snapshot "$(host_path "$chosen")" "$machine_link")" = "$before" ] ||
    fail "the install changed while the program ran"
program_close || program_kill

echo "4. /CurrentUser for the user alone"
expect 0 "$setup" /S /CurrentUser
check_installed HKCU "$user_programs" "$user_link"
check_installed HKLM "$chosen" "$machine_link"
uninstall HKCU "$user_programs" "$user_link"
check_installed HKLM "$chosen" "$machine_link"

echo "5. uninstall"
uninstall HKLM "$chosen" "$machine_link"

echo "6. beside the MSI: for one user only"
# The MSI's install for all users, in the folder an install for all users
# would take.
code=$(msi_property "$msi" ProductCode)
msi_folder=$(host_path "$programs")
msi_installed() { [ -n "$(registry_export "HKLM\\$uninstall_key\\$code")" ]; }
msiexec_expect 0 /i "$(windows_path "$msi")"
wait_until msi_installed || fail "the MSI's entry $code did not appear"
before=$(snapshot "$msi_folder")
expect "$exit_msi_installed" "$setup" /S
expect "$exit_msi_installed" "$setup" /S /AllUsers "/D=$chosen"
[ "$(snapshot "$msi_folder")" = "$before" ] || fail "a setup refused beside the MSI changed something"
[ ! -e "$(host_path "$chosen")" ] || fail "a setup refused beside the MSI made $chosen"
# Under Wine the MSI's shortcut is in the user's Start menu, the same file
# as this install's; Windows puts it in ProgramData's.
expect 0 "$setup" /S /CurrentUser
check_installed HKCU "$user_programs" "$user_link"
uninstall HKCU "$user_programs" "$user_link"
diff -r "$stage" "$msi_folder" >&2 || fail "removing the install for one user changed the MSI's files"
msi_installed || fail "removing the install for one user removed the MSI's entry"
msiexec_expect 0 /x "$code"
msi_removed() { [ ! -e "$msi_folder" ] && ! msi_installed; }
wait_until msi_removed || fail "the MSI did not uninstall"
# Nothing of the MSI stays behind to refuse the setup program.
expect 0 "$setup" /S
check_installed HKLM "$programs" "$machine_link"
uninstall HKLM "$programs" "$machine_link"
echo "installed, upgraded, moved, refused while running, installed per user, uninstalled;" \
    "beside the MSI refused for all users and installed for one"
