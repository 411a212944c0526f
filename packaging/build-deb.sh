#!/usr/bin/env bash
# Builds the Debian package build/package/sredna_<version>_<arch>.deb and
# prints its path. With --install, also installs it through apt-get, which
# brings in its dependencies. Works as root and for a user with sudo.
set -euo pipefail
cd "$(dirname "$0")/.."

install=false
case "${1:-}" in
    "") ;;
    --install) install=true ;;
    *) echo "usage: $0 [--install]" >&2; exit 2 ;;
esac

# cpack finds the library dependencies with dpkg-shlibdeps (dpkg-dev), and
# picks the files to give it with file.
scripts/ensure-packages.sh dpkg-dev file

build=build/package
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DSREDNA_BUILD_TESTS=OFF -DSREDNA_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j 2
(cd "$build" && cpack -G DEB >/dev/null)

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
deb="$build/sredna_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || { echo "cpack did not make $deb" >&2; exit 1; }
echo "$deb"

if $install; then
    sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    # The ./ makes apt-get read a file rather than look up a package name.
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "./$deb"
fi
