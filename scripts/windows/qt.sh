#!/usr/bin/env bash
# Builds Debian's own Qt (qtbase, the version of the host tools) for 64-bit
# Windows, once, and prints the prefix it is cached at.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
toolchain="$here/../../cmake/mingw-w64-x86_64.cmake"
source "$here/cache.sh"

# The target Qt must match the host tools (moc, rcc, uic) of qt6-base-dev.
# Its source is asked for by the source version, which a binary-only rebuild
# of the package leaves behind the binary one.
version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
options=(
    -xplatform win32-g++ -device-option CROSS_COMPILE=x86_64-w64-mingw32-
    -release -shared -nomake tests -nomake examples
    # Only Core, Gui, Widgets, PrintSupport (the print dialog), Test and the
    # platform plugins are needed.
    -no-opengl -no-feature-vulkan -no-feature-direct2d -no-dbus -no-icu
    -no-feature-sql -no-feature-network
    -no-feature-concurrent -no-feature-xml -no-feature-zstd -no-feature-jpeg
    -no-fontconfig
    # The source package strips wintab.h. Without Direct2D this Qt builds
    # neither DirectWrite font engine nor database, yet the windows plugin and
    # Print Support would link them: GDI draws the fonts, as it does by
    # default in this Qt.
    -no-feature-tabletevent -no-feature-directwrite -no-feature-directwrite3
    # Bundled libraries; freetype also gives the offscreen plugin for tests.
    -qt-freetype -qt-harfbuzz -qt-pcre -qt-zlib -qt-libpng -qt-doubleconversion
)
key=$( { echo "$version"; printf '%s\n' "${options[@]}"; cache_recipe "$0" "$toolchain"; } | cache_key)

build_qt() {
    local prefix=$1 work=$2 source
    echo "Building Qt $version for Windows (about 20 minutes on 2 cores)" >&2
    (cd "$work" && apt-get source -qq "qt6-base=$version")
    source=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*')
    # Time stamps in the libraries from the source's own date, so two builds
    # of one source give the same DLLs.
    SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l "$source/debian/changelog" -STimestamp)
    export SOURCE_DATE_EPOCH
    # The licence texts of Qt and of the third-party code built into it, as
    # the source has them, and how it was configured, for the packages that
    # ship these libraries; first, so a fault here costs no build.
    local notices="$work/stage$prefix/share/licenses/qt6-base"
    mkdir -p "$notices"
    # LICENSES/ whole; under src/ the attributions and every licence text
    # they name (FreeType's FTL.TXT has no licence-like name).
    (cd "$source" && {
        find LICENSES -type f
        find src \( -name qt_attribution.json -o -iname '*LICEN[CS]E*' -o -iname 'COPYING*' \) \
            -type f -not -path '*/doc/*'
        echo src/3rdparty/freetype/docs/FTL.TXT
    } | xargs -d '\n' cp --parents -t "$notices")
    echo "$version" >"$notices/debian-source-version"
    printf '%s\n' "${options[@]}" >"$notices/configure-options"
    mkdir "$work/build"
    cd "$work/build"
    "$source/configure" "${options[@]}" -qt-host-path /usr -prefix "$prefix" -- \
        -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake"
    cmake --build . --parallel "$(nproc)"
    DESTDIR="$work/stage" cmake --install .
}

cached_build "qt-${version%%+*}-win64-$key" build_qt
