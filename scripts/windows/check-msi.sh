#!/usr/bin/env bash
# check-msi.sh PACKAGE_ENV STAGE MSI SETUP: under Wine (the prefix of
# scripts/windows/wine.sh), checks the MSI made of the folder STAGE:
#   1. beside the setup program's install for all users it refuses to
#      install and changes nothing;
#   2. beside a setup install for one user it installs silently: the files
#      (those of STAGE), the Start-menu shortcut, the entry among the
#      installed programs;
#   3. the same folder built as the next version replaces it in place, and
#      going back is refused;
#   4. it uninstalls by product code, even where the setup program's entry
#      for all users has appeared since, and leaves nothing.
# The names come from PACKAGE_ENV (packaging/windows/CMakeLists.txt).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine.sh"
source "$here/registry.sh"
source "$here/installers.sh"
source "$here/package-env.sh"
if [ $# -ne 4 ]; then
    echo "usage: $0 PACKAGE_ENV STAGE MSI SETUP" >&2
    exit 2
fi
env_file=$1 stage=$2 msi=$3 setup=$4
name=$(package_value "$env_file" name)
publisher=$(package_value "$env_file" publisher)
icon=$(package_value "$env_file" icon)
vendor_id=$(package_value "$env_file" vendor_id)
application_id=$(package_value "$env_file" application_id)
setup_key=$(package_value "$env_file" setup_key)
folder="$WINEPREFIX/drive_c/Program Files/$name"
uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
# The value that makes the shortcut's component installed.
own_key="HKLM\\Software\\$vendor_id\\$application_id"

fail() {
    echo "check-msi: $*" >&2
    exit 1
}

# The keys under Uninstall whose DisplayName is the program's.
entries() {
    registry_export "$uninstall" | awk -v name="\"DisplayName\"=\"$name\"" '
        /^\[/ { key = substr($0, 2, length($0) - 2); sub(/.*\\/, "", key) }
        $0 == name { print key }'
}
shortcuts() {
    find "$WINEPREFIX/drive_c" -name "$name.lnk"
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
    local shown key="$uninstall\\$code"
    shown=$(registry_string "$key" DisplayName)
    [ "$shown" = "$name" ] || fail "the entry is named \"$shown\", not \"$name\""
    shown=$(registry_string "$key" Publisher)
    [ "$shown" = "$publisher" ] || fail "the entry's publisher is \"$shown\", not \"$publisher\""
    shown=$(registry_string "$key" DisplayVersion)
    [ "$shown" = "$version" ] || fail "the entry's version is \"$shown\", not $version"
    shown=$(registry_string "$key" InstallLocation)
    [ "$shown" = "C:\\Program Files\\$name\\" ] || fail "the entry's InstallLocation is \"$shown\""
    # Windows Installer keeps the list's icon (ARPPRODUCTICON) in its own
    # folder, named by the product code.
    local kept="$WINEPREFIX/drive_c/windows/Installer/$code/sredna.ico"
    cmp -s "$icon" "$kept" || fail "the list's icon $kept is not $icon"
    # 64-bit components write to the 64-bit view only.
    "$wine_bin" reg query "$key" /reg:32 >/dev/null 2>&1 &&
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
    [[ $(tr -d '\0' <"$found") == *sredna.exe* ]] || fail "the shortcut does not open sredna.exe"
}

# What the package says of itself: per machine, in a 64-bit folder, with the
# shortcut in the Start menu (ProgramMenuFolder). Each answer is read whole
# before it is searched: grep -q in a pipe fails its writer under pipefail.
[ "$(msi_property "$msi" ALLUSERS)" = 1 ] || fail "$msi does not install per machine (ALLUSERS)"
[[ $(msiinfo suminfo "$msi") == *$'\nTemplate: x64;'* ]] || fail "$msi is not a 64-bit package"
[ "$(msiinfo export "$msi" Shortcut | tr -d '\r' | tail -n +4 | cut -f2)" = ProgramMenuFolder ] ||
    fail "the shortcut of $msi is not in ProgramMenuFolder"
# The setup program's entry is looked for in HKLM (root 2), in the 64-bit
# view (type bit 16), where the 64-bit setup program writes it: a 32-bit
# search would never find it on Windows (Wine's 64-bit msiexec cannot show
# that).
locator=$(msiinfo export "$msi" RegLocator | tr -d '\r' | tail -n +4)
IFS=$'\t' read -r _ root key _ type <<<"$locator"
if [ "$root" != 2 ] || [ "$key" != "$setup_key" ] || (((type & 16) == 0)); then
    fail "the search for the setup program's entry is not in HKLM's 64-bit view: $locator"
fi
version=$(msi_property "$msi" ProductVersion)
code=$(msi_property "$msi" ProductCode)
[ "$(msi_property "$msi" ProductName)" = "$name" ] || fail "$msi does not name the product \"$name\""

echo "1. refused beside the setup program's install for all users"
expect 0 "$setup" /S
[ -d "$folder" ] || fail "the setup program did not install into $folder"
before=$(find "$folder" -printf '%p %s %T@\n' | sort)
msiexec_expect 1603 /i "$(windows_path "$msi")"
[ "$(entries)" = "${setup_key##*\\}" ] || fail "the MSI registered itself beside the setup program: $(entries)"
[ "$(find "$folder" -printf '%p %s %T@\n' | sort)" = "$before" ] ||
    fail "the refused MSI changed the setup program's folder"
expect 0 "$folder/uninstall.exe" /S
wait_until removed || fail "the setup program's install is still there"

echo "2. installed beside a setup install for one user"
# Only the entry counts to the MSI: that of a setup install for one user
# stands for it (a real one's shortcut would be the MSI's under Wine).
expect 0 reg add "HKCU\\$setup_key" /v InstallLocation /d 'C:\users\Public\Sredna' /f
msiexec_expect 0 /i "$(windows_path "$msi")"
check_installed "$code" "$version"
expect 0 reg delete "HKCU\\$setup_key" /f
echo "installed $version $code: $(find "$folder" -type f | wc -l) files"

echo "3. upgraded in place, and not back"
IFS=. read -r major minor patch <<<"$version"
next="$major.$minor.$((patch + 1))"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$here/msi.sh" "$env_file" "$stage" "$next" "$work/next.msi" >/dev/null
next_code=$(msi_property "$work/next.msi" ProductCode)
[ "$next_code" != "$code" ] || fail "versions $version and $next have one product code $code"
[ "$(msi_property "$work/next.msi" UpgradeCode)" = "$(msi_property "$msi" UpgradeCode)" ] ||
    fail "versions $version and $next have different upgrade codes"
msiexec_expect 0 /i "$(windows_path "$work/next.msi")"
check_installed "$next_code" "$next"
[ ! -d "$WINEPREFIX/drive_c/windows/Installer/$code" ] || fail "$version left its icon behind"
echo "upgraded to $next $next_code in place"
# Going back is refused (the launch condition of MajorUpgrade) and changes
# nothing.
msiexec_expect 1603 /i "$(windows_path "$msi")"
check_installed "$next_code" "$next"
echo "refused to go back to $version"

echo "4. uninstalled, also beside the setup program's entry for all users"
# Such an entry comes from a setup program older than the MSI's refusal, run
# after the MSI.
expect 0 reg add "HKLM\\$setup_key" /v InstallLocation /d 'C:\Sredna' /f
msiexec_expect 0 /x "$next_code"
expect 0 reg delete "HKLM\\$setup_key" /f
if ! wait_until removed; then
    [ ! -e "$folder" ] || find "$folder" >&2
    fail "after uninstalling there are still: $([ ! -e "$folder" ] || echo "$folder") $(entries) $(shortcuts)"
fi
! "$wine_bin" reg query "$own_key" /reg:64 >/dev/null 2>&1 || fail "$own_key is still there"
echo "installed, refused beside the setup program, upgraded, refused to go back, uninstalled"
