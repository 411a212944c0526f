#!/usr/bin/env bash
# Installs the Debian packages that building the program needs, and any more a
# caller names (test libraries, the fuzzing compiler), only those missing, so
# a second run is quick. Works as root and for a user with sudo.
set -euo pipefail
source "$(dirname "$0")/as-root.sh"

# The icons are drawn at build time (rsvg-convert, icotool), and Qt's own
# texts come in Bulgarian from qt6-translations-l10n.
packages=(cmake ninja-build g++ qt6-base-dev fonts-liberation librsvg2-bin icoutils
    qt6-translations-l10n)
packages+=("$@")

missing=()
for package in "${packages[@]}"; do
    # One status per architecture installed; not a pipe into grep -q, whose
    # early exit can fail the writer under pipefail.
    status=$(dpkg-query -W -f='${Status}\n' "$package" 2>/dev/null) || true
    if [[ $status != *'install ok installed'* ]]; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root apt-get update -qq
as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
