#!/usr/bin/env bash
# Installs the Debian packages that building the program needs, and any more a
# caller names (test libraries, the fuzzing compiler), only those missing, so
# a second run is quick. Works as root and for a user with sudo.
set -euo pipefail

packages=(cmake ninja-build g++ qt6-base-dev fonts-liberation)
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
