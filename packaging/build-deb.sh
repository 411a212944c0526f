#!/usr/bin/env bash
# Builds the Debian package sredna_<version>_<arch>.deb, writes SHA256SUMS
# beside it and prints its path. With --install, also installs it through
# apt-get, which brings in its dependencies. Works as root and for a user with
# sudo.
#
#   packaging/build-deb.sh [--install] [--build-dir DIR]   # DIR: build/package
#
# Two builds of one commit give the same bytes, in any folder: each starts
# from an empty folder, the package's times are the commit's
# (SOURCE_DATE_EPOCH, unless set already), and the compiler records no folder
# of this machine.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/as-root.sh
source scripts/source-date.sh
usage() {
    echo "usage: $0 [--install] [--build-dir DIR]" >&2
    exit 2
}

install=false
build=build/package
while [ $# -gt 0 ]; do
    case "$1" in
        --install) install=true ;;
        --build-dir)
            [ $# -ge 2 ] || usage
            build=$2
            shift
            ;;
        *) usage ;;
    esac
    shift
done

# cpack finds the library dependencies with dpkg-shlibdeps (dpkg-dev), and
# picks the files to give it with file.
scripts/ensure-packages.sh dpkg-dev file

use_source_date

# Always from scratch: an earlier build's resources keep the earlier commit's
# time. The folder is emptied only if it holds a build or nothing.
if [ -n "$(ls -A "$build" 2>/dev/null)" ] && [ ! -f "$build/CMakeCache.txt" ]; then
    echo "$0: $build is not a build folder; not emptying it" >&2
    exit 1
fi
rm -rf "$build"
mkdir -p "$build"
source_dir=$(pwd)
build_dir=$(cd "$build" && pwd)
# The build folder lies inside the source folder: its map comes last, which
# the compiler tries first.
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DSREDNA_BUILD_TESTS=OFF -DSREDNA_BUILD_BENCH=OFF \
    -DCMAKE_CXX_FLAGS="-ffile-prefix-map=$source_dir=. -ffile-prefix-map=$build_dir=." \
    >/dev/null
cmake --build "$build" -j 2
(cd "$build" && cpack -G DEB >/dev/null)

version=$(sed -n 's/^version=//p' "$build/deb.env")
name="sredna_${version}_$(dpkg --print-architecture).deb"
deb="$build/$name"
[ -f "$deb" ] || { echo "cpack did not make $deb" >&2; exit 1; }
(cd "$build" && sha256sum "$name" >SHA256SUMS)
echo "$deb"

if $install; then
    # The ./ makes apt-get read a file rather than look up a package name.
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y "./$deb"
fi
