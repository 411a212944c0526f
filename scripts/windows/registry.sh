# shellcheck shell=bash
# Sourced: reads the registry of the Wine prefix that scripts/windows/wine.sh
# started. The console would show Cyrillic as "?", so a key is exported to a
# file, which reg writes as UTF-16, and read back as UTF-8.
# shellcheck source=SCRIPTDIR/wine.sh
source "$(dirname "${BASH_SOURCE[0]}")/wine.sh"

# registry_export KEY: the key and the keys under it, as lines of a .reg
# file without carriage returns; nothing when the key is missing. In the
# 64-bit view, that of wine64's reg.
registry_export() {
    local file="$WINEPREFIX/drive_c/sredna-export.reg"
    rm -f "$file"
    "$wine_bin" reg export "$1" 'C:\sredna-export.reg' /y </dev/null >/dev/null 2>&1 || return 0
    iconv -f UTF-16 -t UTF-8 "$file" | tr -d '\r'
    rm -f "$file"
}

# registry_string KEY NAME: the string value NAME of the key itself, with
# reg's escapes undone; nothing when it is missing.
registry_string() {
    registry_export "$1" | awk -v name="\"$2\"=" '
        /^\[/ { keys++ }
        keys == 1 && index($0, name) == 1 && /"$/ {
            value = substr($0, length(name) + 2, length($0) - length(name) - 2)
            gsub(/\\\\/, "\\", value)
            gsub(/\\"/, "\"", value)
            print value
        }'
}
