#!/usr/bin/env bash
# Builds the Debian package twice, in two folders, and fails unless both
# come out byte for byte the same; then fails on any error lintian finds in
# it. The test command runs this, so that neither breaks unnoticed.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/ensure-packages.sh lintian

# Names of different lengths, so that a folder recorded anywhere shows.
build() {
    packaging/build-deb.sh --build-dir "$1" | tail -n 1
}
first=$(build build/reproduce/1)
second=$(build build/reproduce/again)
if ! cmp "$first" "$second"; then
    echo "check-deb: two builds of one source differ: $first $second" >&2
    exit 1
fi
lintian --fail-on error "$first"
echo "check-deb: $first is reproducible and passes lintian"
