#!/usr/bin/env bash
# Installs the Debian packages that building the program needs, and any more a
# caller names (test libraries, the fuzzing compiler), only those missing, so
# a second run is quick. Works as root and for a user with sudo.
set -euo pipefail

# The icons are drawn at build time (rsvg-convert, icotool), and Qt's own
# texts come in Bulgarian from qt6-translations-l10n.
packages=(cmake ninja-build g++ qt6-base-dev fonts-liberation librsvg2-bin icoutils
    qt6-translations-l10n)
packages+=("$@")

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
