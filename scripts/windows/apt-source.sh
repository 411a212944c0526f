#!/usr/bin/env bash
# Makes a Debian source package reachable to apt-get source: where no deb-src
# entry exists, adds one beside each binary entry (same URIs, suites and
# components). With --remove, takes the entries it added out of the
# machine's sources again, once the source has been fetched. Works as root
# and for a user with sudo.
set -euo pipefail
source "$(dirname "$0")/../as-root.sh"

list=/etc/apt/sources.list.d/sredna-deb-src
if [ "$1" = --remove ]; then
    if [ -e "$list.sources" ] || [ -e "$list.list" ]; then
        as_root rm -f "$list.sources" "$list.list"
        as_root apt-get update -qq
    fi
    exit 0
fi

package="$1"
# The whole answer first: grep -q would stop reading at the first match, and
# apt-cache, writing into a closed pipe, would fail the check under pipefail.
has_source() {
    local sources
    sources=$(apt-cache showsrc "$package" 2>/dev/null) || return 1
    grep -q '^Package:' <<<"$sources"
}
has_source && exit 0

# deb822 files: every enabled stanza whose type is deb, typed deb-src.
for file in /etc/apt/sources.list.d/*.sources; do
    [ -e "$file" ] || continue
    awk 'BEGIN { RS = ""; ORS = "\n\n" }
         /(^|\n)Types: deb(\n|$)/ && !/(^|\n)Enabled: no/ {
             sub(/Types: deb(\n|$)/, "Types: deb-src\n"); print }' "$file"
done | as_root tee "$list.sources" >/dev/null
# One-line files: each deb line again as deb-src.
{ cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null || true; } |
    sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' | as_root tee "$list.list" >/dev/null
as_root apt-get update -qq
has_source || { echo "no source package $package in the configured archives" >&2; exit 1; }
