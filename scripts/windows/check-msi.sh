#!/usr/bin/env bash
# check-msi.sh STAGE ICON MSI: under Wine (the prefix of
# scripts/windows/wine.sh), installs the MSI silently and checks the files
# (those of STAGE), the Start-menu shortcut and the entry among the installed
# programs; then upgrades to the same folder built as the next version,
# which must replace it in place, and refuses to go back; then uninstalls
# by product code and checks that nothing is left.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine.sh"
stage=$1 icon=$2 msi=$3
name="Средна стойност"
publisher="example.org"
folder="$WINEPREFIX/drive_c/Program Files/$name"
uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
# The value that makes the shortcut's component installed.
own_key='HKLM\Software\example.org\sredna'
log="$WINEPREFIX/drive_c/msiexec.log"

fail() {
    echo "check-msi: $*" >&2
    exit 1
}
property() {
    msiinfo export "$1" Property | tr -d '\r' | sed -n "s/^$2\t//p"
}

# msiexec ARGUMENTS...: runs msiexec silently with a full log, and prints
# its exit code. On a failure the log's end, without the list of
# properties, shows the action that failed.
msiexec() {
    local status=0
    rm -f "$log"
    "$wine_bin" msiexec "$@" /qn /l*v 'C:\msiexec.log' </dev/null >/dev/null 2>&1 || status=$?
    echo "$status"
}
show_log() {
    [ -f "$log" ] || return 0
    tr -d '\r' <"$log" | grep -av -e '^$' -e '^Property(' | tail -n 25 >&2
}
# run_msiexec CODE ARGUMENTS...: msiexec must end with the Windows exit code
# CODE, of which a Unix shell sees only the low byte (1603 as 67).
run_msiexec() {
    local expected=$1 status
    shift
    status=$(msiexec "$@")
    if [ "$status" != $((expected % 256)) ]; then
        show_log
        fail "msiexec $* ended with $status, not $expected"
    fi
}

# The keys under Uninstall whose DisplayName is the program's, in the
# registry's 64-bit view (that of wine64's reg), exported to a file as UTF-16:
# the console would show the name as "?".
entries() {
    "$wine_bin" reg export "$uninstall" 'C:\uninstall.reg' /y >/dev/null 2>&1
    iconv -f UTF-16LE -t UTF-8 "$WINEPREFIX/drive_c/uninstall.reg" | tr -d '\r' |
        awk -v name="\"DisplayName\"=\"$name\"" '
            /^\[/ { key = substr($0, 2, length($0) - 2); sub(/.*\\/, "", key) }
            $0 == name { print key }'
    rm -f "$WINEPREFIX/drive_c/uninstall.reg"
}
value() { # value PRODUCT_CODE NAME: a string value of the product's entry
    "$wine_bin" reg export "$uninstall\\$1" 'C:\entry.reg' /y >/dev/null 2>&1 || return 0
    iconv -f UTF-16LE -t UTF-8 "$WINEPREFIX/drive_c/entry.reg" | tr -d '\r' |
        sed -n "s/^\"$2\"=\"\(.*\)\"$/\1/p" | sed 's/\\\\/\\/g'
    rm -f "$WINEPREFIX/drive_c/entry.reg"
}
shortcuts() {
    find "$WINEPREFIX/drive_c" -name "$name.lnk"
}
# msiexec may return before Windows Installer has finished: wait up to 30 s
# for a condition.
wait_until() {
    local tries=0
    until "$@"; do
        tries=$((tries + 1))
        [ "$tries" -le 300 ] || return 1
        sleep 0.1
    done
}
registered() { [ "$(entries)" = "$1" ]; }
removed() { [ ! -e "$folder" ] && [ -z "$(entries)" ] && [ -z "$(shortcuts)" ]; }

# check_installed PRODUCT_CODE VERSION: the files, the one shortcut, the one
# entry and what it says.
check_installed() {
    local code=$1 version=$2
    wait_until registered "$code" ||
        fail "after installing $version the entries named \"$name\" are \"$(entries | paste -sd ' ')\", not $code"
    diff -r "$stage" "$folder" >&2 || fail "$folder does not hold exactly the files of $stage"
    local shown
    shown=$(value "$code" DisplayName)
    [ "$shown" = "$name" ] || fail "the entry is named \"$shown\", not \"$name\""
    shown=$(value "$code" Publisher)
    [ "$shown" = "$publisher" ] || fail "the entry's publisher is \"$shown\", not \"$publisher\""
    shown=$(value "$code" DisplayVersion)
    [ "$shown" = "$version" ] || fail "the entry's version is \"$shown\", not $version"
    shown=$(value "$code" InstallLocation)
    [ "$shown" = "C:\\Program Files\\$name\\" ] || fail "the entry's InstallLocation is \"$shown\""
    # Windows Installer keeps the list's icon (ARPPRODUCTICON) in its own
    # folder, named by the product code.
    local kept="$WINEPREFIX/drive_c/windows/Installer/$code/sredna.ico"
    cmp -s "$icon" "$kept" || fail "the list's icon $kept is not $icon"
    # 64-bit components write to the 64-bit view only.
    "$wine_bin" reg query "$uninstall\\$code" /reg:32 >/dev/null 2>&1 &&
        fail "the entry is in the 32-bit view of the registry too"
    "$wine_bin" reg query "$own_key" /reg:64 >/dev/null 2>&1 ||
        fail "no $own_key in the 64-bit view of the registry"

    # Wine's Windows Installer puts ProgramMenuFolder in the user's Start
    # menu even for a per-machine install; Windows puts it in ProgramData's.
    local found count
    found=$(shortcuts)
    count=$(grep -c . <<<"$found" || true)
    [ "$count" -eq 1 ] || fail "$count shortcuts \"$name.lnk\": $found"
    case $found in
    "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/$name.lnk") ;;
    "$WINEPREFIX"/drive_c/users/*/AppData/Roaming/Microsoft/Windows/"Start Menu/Programs/$name.lnk") ;;
    *) fail "the shortcut is not in a Start menu: $found" ;;
    esac
    tr -d '\0' <"$found" | grep -aq 'sredna\.exe' || fail "the shortcut does not open sredna.exe"
}

# What the package says of itself: per machine, in a 64-bit folder, with the
# shortcut in the Start menu (ProgramMenuFolder).
[ "$(property "$msi" ALLUSERS)" = 1 ] || fail "$msi does not install per machine (ALLUSERS)"
msiinfo suminfo "$msi" | grep -q '^Template: x64;' || fail "$msi is not a 64-bit package"
msiinfo export "$msi" Shortcut | tr -d '\r' | cut -f2 | grep -qx ProgramMenuFolder ||
    fail "the shortcut of $msi is not in ProgramMenuFolder"
version=$(property "$msi" ProductVersion)
code=$(property "$msi" ProductCode)
[ "$(property "$msi" ProductName)" = "$name" ] || fail "$msi does not name the product \"$name\""

run_msiexec 0 /i "$(windows_path "$msi")"
check_installed "$code" "$version"
echo "installed $version $code: $(find "$folder" -type f | wc -l) files"

# The next version, built from the same folder, replaces this one.
IFS=. read -r major minor patch <<<"$version"
next="$major.$minor.$((patch + 1))"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$here/msi.sh" "$stage" "$next" "$icon" "$work/next.msi" >/dev/null
next_code=$(property "$work/next.msi" ProductCode)
[ "$next_code" != "$code" ] || fail "versions $version and $next have one product code $code"
[ "$(property "$work/next.msi" UpgradeCode)" = "$(property "$msi" UpgradeCode)" ] ||
    fail "versions $version and $next have different upgrade codes"
run_msiexec 0 /i "$(windows_path "$work/next.msi")"
check_installed "$next_code" "$next"
[ ! -d "$WINEPREFIX/drive_c/windows/Installer/$code" ] || fail "$version left its icon behind"
echo "upgraded to $next $next_code in place"

# Going back is refused (the launch condition of MajorUpgrade) and changes
# nothing.
run_msiexec 1603 /i "$(windows_path "$msi")"
check_installed "$next_code" "$next"
echo "refused to go back to $version"

run_msiexec 0 /x "$next_code"
if ! wait_until removed; then
    [ ! -e "$folder" ] || find "$folder" >&2
    fail "after uninstalling there are still: $([ ! -e "$folder" ] || echo "$folder") $(entries) $(shortcuts)"
fi
! "$wine_bin" reg query "$own_key" /reg:64 >/dev/null 2>&1 || fail "$own_key is still there"
echo "uninstalled"
