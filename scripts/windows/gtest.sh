#!/usr/bin/env bash
# Builds GoogleTest from Debian's source of it for 64-bit Windows, once, and
# prints the prefix it is cached at.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
toolchain="$here/../../cmake/mingw-w64-x86_64.cmake"
source "$here/cache.sh"

version=$(dpkg-query -W -f='${Version}' googletest)
key=$( { echo "$version"; cache_recipe "$0" "$toolchain"; } | cache_key)

build_gtest() {
    local prefix=$1 work=$2
    cmake -S /usr/src/googletest -B "$work/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DBUILD_GMOCK=OFF -Dgtest_disable_pthreads=OFF
    cmake --build "$work/build"
    DESTDIR="$work/stage" cmake --install "$work/build"
}

cached_build "googletest-$version-win64-$key" build_gtest
