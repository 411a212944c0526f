#!/usr/bin/env bash
# msi.sh PACKAGE_ENV STAGE VERSION OUT: builds the MSI of every file under
# the folder STAGE, for version X.Y.Z, into the file OUT, from what
# PACKAGE_ENV names: the source configured from packaging/windows/
# sredna.wxs.in, the icon for the list of installed programs, the names.
#
# Two runs on the same folder give the same bytes. wixl writes the current
# time and a random package code into the summary information, and the
# cabinet keeps each file's time: the time is frozen at SOURCE_DATE_EPOCH
# (else the newest file's) while wixl runs, the files are copied with that
# time, and the package code is made from the package's own content.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/package-env.sh"

fail() {
    echo "msi.sh: $*" >&2
    exit 1
}
[ $# -eq 4 ] || fail "usage: msi.sh PACKAGE_ENV STAGE VERSION OUT"
env_file=$1 stage=$2 version=$3 out=$4
template=$(package_value "$env_file" wxs)
icon=$(package_value "$env_file" icon)
product_name=$(package_value "$env_file" name)
upgrade_code=$(package_value "$env_file" upgrade_code)
summary_name=$(package_value "$env_file" latin_name)
summary_publisher=$(package_value "$env_file" latin_publisher)
[ -f "$stage/sredna.exe" ] || fail "no sredna.exe in $stage"
# Windows Installer compares versions up to 255.255.65535.
[[ $version =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]] || fail "the version \"$version\" is not X.Y.Z"
IFS=. read -r major minor patch <<<"$version"
((10#$major <= 255 && 10#$minor <= 255 && 10#$patch <= 65535)) ||
    fail "the version $version is beyond 255.255.65535"
[ -f "$icon" ] || fail "no icon $icon"
# Windows Installer makes a folder only for the files in it.
empty=$(find "$stage" -mindepth 1 -type d -empty)
[ -z "$empty" ] || fail "empty folders would not be installed: $empty"
for tool in wixl msibuild msiinfo faketime; do
    command -v "$tool" >/dev/null || fail "$tool is missing (Debian packages wixl, msitools, faketime)"
done

# A name-based (version 5) UUID: the same namespace and name give the same
# UUID on every machine.
uuid5() {
    local namespace=${1//-/} bytes='' hash i
    for ((i = 0; i < 32; i += 2)); do
        bytes+="\\x${namespace:i:2}"
    done
    hash=$({
        printf '%b' "$bytes"
        printf '%s' "$2"
    } | sha1sum)
    hash=${hash:0:32}
    local variant=$(((16#${hash:16:1} & 3) | 8))
    printf '%s-%s-5%s-%x%s-%s\n' "${hash:0:8}" "${hash:8:4}" "${hash:13:3}" \
        "$variant" "${hash:17:3}" "${hash:20:12}" | tr '[:lower:]' '[:upper:]'
}

# A new product code for each version, the same for every build of it.
product_code=$(uuid5 "$upgrade_code" "sredna $version")

# wixl takes sources only by relative paths, so it runs in a folder of its
# own that holds copies.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
epoch=${SOURCE_DATE_EPOCH:-$(find "$stage" -type f -printf '%T@\n' | sort -n | tail -n 1)}
epoch=${epoch%.*}
cp -R "$stage" "$work/stage"
cp "$icon" "$work/sredna.ico"
find "$work/stage" "$work/sredna.ico" -exec touch -h -d "@$epoch" {} +

xml_escape() {
    sed 's/&/\&amp;/g; s/</\&lt;/g; s/>/\&gt;/g; s/"/\&quot;/g' <<<"$1"
}

# The folder's files as components, one file each (the key path), in
# folders as on disk. Their ids and component codes follow from the path,
# so a file keeps its component code from version to version.
components=()
emit_folder() {
    local relative=$1 indent=$2 path name id entry
    while IFS= read -r -d '' path; do
        entry=${path#"$work/stage/"}
        name=$(xml_escape "${entry##*/}")
        id=$(printf '%s' "$entry" | sha1sum | cut -c1-32)
        components+=("c$id")
        echo "$indent<Component Id=\"c$id\" Guid=\"$(uuid5 "$upgrade_code" "file $entry")\" Win64=\"yes\">"
        echo "$indent  <File Id=\"f$id\" Name=\"$name\" Source=\"stage/$(xml_escape "$entry")\" KeyPath=\"yes\"/>"
        echo "$indent</Component>"
    done < <(find "$work/stage/$relative" -mindepth 1 -maxdepth 1 -type f -print0 | LC_ALL=C sort -z)
    while IFS= read -r -d '' path; do
        entry=${path#"$work/stage/"}
        id=$(printf '%s' "$entry" | sha1sum | cut -c1-32)
        echo "$indent<Directory Id=\"d$id\" Name=\"$(xml_escape "${entry##*/}")\">"
        emit_folder "$entry" "$indent  "
        echo "$indent</Directory>"
    done < <(find "$work/stage/$relative" -mindepth 1 -maxdepth 1 -type d -print0 | LC_ALL=C sort -z)
}
{
    echo '<?xml version="1.0" encoding="utf-8"?>'
    echo '<Wix xmlns="http://schemas.microsoft.com/wix/2006/wi">'
    echo '  <Fragment>'
    echo '    <DirectoryRef Id="INSTALLDIR">'
    emit_folder "" "      "
    echo '    </DirectoryRef>'
    echo '    <ComponentGroup Id="Files">'
    printf '      <ComponentRef Id="%s"/>\n' "${components[@]}"
    echo '    </ComponentGroup>'
    echo '  </Fragment>'
    echo '</Wix>'
} >"$work/files.wxs"

# Without Bulgarian and code page 1251 wixl stores the Cyrillic names as
# empty strings, silently; the _ForceCodepage table marks the string pool
# so that Windows reads it as 1251.
printf '\r\n\r\n1251\t_ForceCodepage\r\n' >"$work/_ForceCodepage.idt"
msi="$work/sredna.msi"
cp "$template" "$work/sredna.wxs"
# The clock in UTC too: the cabinet stores the files' times as local times.
(
    cd "$work"
    TZ=UTC faketime -f "$(date -u -d "@$epoch" '+%Y-%m-%d %H:%M:%S')" \
        env WINDOWS_LANGUAGE=bg wixl --arch x64 -D Version="$version" \
        -D ProductCode="$product_code" -o "$msi" sredna.wxs files.wxs
    env WINDOWS_LANGUAGE=bg msibuild "$msi" -i _ForceCodepage.idt
)

# The package code names this exact package: made from its content, with
# the package code itself left blank.
summary=("$summary_name $version" "$summary_publisher" "x64;1026")
msibuild "$msi" -s "${summary[@]}" "{00000000-0000-0000-0000-000000000000}"
package_code=$(uuid5 "$upgrade_code" "package $(sha256sum <"$msi" | cut -c1-64)")
msibuild "$msi" -s "${summary[@]}" "{$package_code}"

# Texts the code page spoils come back empty, or as question marks: the
# product's name, and the messages of the launch conditions (that of the
# setup program's install and that of a newer version).
shown=$(msiinfo export "$msi" Property | tr -d '\r' | sed -n 's/^ProductName\t//p')
[ "$shown" = "$product_name" ] || fail "the MSI names the product \"$shown\", not \"$product_name\""
messages=$(msiinfo export "$msi" LaunchCondition | tr -d '\r' | tail -n +4 | cut -f2)
expected=$(sed -n 's/.*<Condition Message="\([^"]*\)".*/\1/p; s/.*DowngradeErrorMessage="\([^"]*\)".*/\1/p' \
    "$template" | LC_ALL=C sort)
[ "$(LC_ALL=C sort <<<"$messages")" = "$expected" ] ||
    fail "the launch conditions' messages in the MSI are \"$messages\", not \"$expected\""
mv "$msi" "$out"
echo "$out: version $version, product code {$product_code}, package code {$package_code}"
