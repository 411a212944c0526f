#!/usr/bin/env bash
# check-installer.sh SETUP: installs silently under Wine (the prefix of
# scripts/windows/wine.sh), checks the program, its Start-menu shortcut and
# its entry among the installed programs, then uninstalls and checks that
# all of them are gone.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine.sh"
setup=$1
name="Средна стойност"
folder="$WINEPREFIX/drive_c/Program Files/$name"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/$name.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\sredna'

fail() {
    echo "$*" >&2
    exit 1
}
registered() {
    "$wine_bin" reg query "$key" /v UninstallString >/dev/null 2>&1
}

"$wine_bin" "$setup" /S
[ -f "$folder/sredna.exe" ] || fail "no $folder/sredna.exe"
[ -f "$folder/platforms/qwindows.dll" ] || fail "no platform plugin in $folder"
[ -f "$shortcut" ] || fail "no Start-menu shortcut $shortcut"
registered || fail "no entry $key"
# Exported to a file, as UTF-16: the console would show the name as "?".
export_file="$WINEPREFIX/drive_c/sredna-entry.reg"
"$wine_bin" reg export "$key" 'C:\sredna-entry.reg' /y >/dev/null 2>&1
shown=$(iconv -f UTF-16LE -t UTF-8 "$export_file" | tr -d '\r' | sed -n 's/^"DisplayName"="\(.*\)"$/\1/p')
[ "$shown" = "$name" ] || fail "the entry is named \"$shown\", not \"$name\""
rm -f "$export_file"
echo "installed: $(find "$folder" -type f | wc -l) files"

# The uninstaller copies itself away and returns at once: wait for it.
"$wine_bin" "$folder/uninstall.exe" /S
for _ in $(seq 300); do
    [ -e "$folder" ] || [ -e "$shortcut" ] || registered || break
    sleep 0.1
done
[ ! -e "$folder" ] || fail "$folder is still there: $(ls -A "$folder")"
[ ! -e "$shortcut" ] || fail "the shortcut is still there"
! registered || fail "the entry $key is still there"
echo "uninstalled"
