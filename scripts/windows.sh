#!/usr/bin/env bash
# The program for 64-bit Windows, built on Debian and tested under Wine.
# Installs what is missing; builds Qt and GoogleTest for Windows once and
# caches them outside the source tree; cross-builds the program and its
# tests and runs the tests under Wine; packages the program as a zip and an
# installer in build/windows/out; and tries both under Wine: the unpacked zip
# must open its window, and the installer must install and uninstall.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$(pwd)
build="$repo/build/windows"
out="$build/out"
logs="$build/logs"
mkdir -p "$logs"
source scripts/windows/wine.sh
trap wine_stop EXIT

# Each step writes to its own log. A failing step shows the end of its log
# and one line that names it, and the command stops with a non-zero status.
step() {
    local name=$1 log="$logs/$2.log" started=$SECONDS
    shift 2
    echo "== $name"
    if ! "$@" >"$log" 2>&1; then
        tail -n 40 "$log" >&2
        echo "windows: the step \"$name\" failed; its log is $log" >&2
        exit 1
    fi
    echo "   $((SECONDS - started)) s"
}

install_packages() {
    scripts/ensure-packages.sh g++-mingw-w64-x86-64-posix mingw-w64-tools googletest \
        dpkg-dev nsis wine64 xvfb x11-utils xdotool unzip locales fontconfig
    scripts/windows/apt-source.sh qt6-base
    # Wine takes a program's regional settings from LANG, through the C
    # library's locales: the tests run in Bulgarian too.
    if ! locale -a | grep -qix 'bg_BG.utf8'; then
        local sudo=()
        [ "$(id -u)" -ne 0 ] && sudo=(sudo)
        "${sudo[@]}" localedef -i bg_BG -c -f UTF-8 bg_BG.UTF-8
    fi
}

build_libraries() {
    qt=$(scripts/windows/qt.sh)
    gtest=$(scripts/windows/gtest.sh)
}

configure() {
    # Qt's toolchain file loads ours; the tests run under Wine, listed when
    # ctest runs rather than at build time.
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
        -DQT_CHAINLOAD_TOOLCHAIN_FILE="$repo/cmake/mingw-w64-x86_64.cmake" \
        -DGTest_DIR="$gtest/lib/cmake/GTest" \
        -DCMAKE_CROSSCOMPILING_EMULATOR="$repo/scripts/windows/wine-run.sh" \
        -DCMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE=PRE_TEST \
        -DSREDNA_WERROR=ON -DSREDNA_BUILD_BENCH=OFF
    version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
}

# The folders of the MinGW runtime libraries the tests load from the build.
runtime_path() {
    local library
    for library in libstdc++-6.dll libwinpthread-1.dll; do
        windows_path "$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name="$library")")"
    done | paste -sd ';'
}

run_tests() {
    # Qt and the runtime from where they were built. The offscreen platform
    # reads its fonts from a folder, here Liberation's (Times New Roman's
    # metric twin); Wine hands QT_ variables to Windows programs only when
    # they are written with WINE before them.
    local fonts
    fonts=$(dirname "$(fc-match -f '%{file}' 'Liberation Serif')")
    WINEPATH="$(windows_path "$qt/bin");$(runtime_path)" \
        WINEQT_QPA_FONTDIR="$(windows_path "$fonts")" \
        ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)"
}

package() {
    rm -rf "$out" "$build/stage"
    cpack --config "$build/CPackConfig.cmake" -B "$out"
    rm -rf "$out/_CPack_Packages"
    zip="$out/sredna-$version-win64.zip"
    [ -f "$zip" ]

    # The installer takes the same folder, and its uninstaller a list of
    # exactly what it holds.
    local stage="$build/stage" files="$build/installed-files.nsh"
    cmake --install "$build" --prefix "$stage"
    (
        cd "$stage"
        find . -type f | sed 's|^\./||; s|/|\\|g; s|.*|Delete "$INSTDIR\\&"|'
        find . -mindepth 1 -type d | sort -r | sed 's|^\./||; s|/|\\|g; s|.*|RMDir "$INSTDIR\\&"|'
    ) >"$files"
    setup="$out/sredna-$version-setup.exe"
    makensis -INPUTCHARSET UTF8 -V2 -DSOURCE="$stage" -DFILES="$files" -DOUTFILE="$setup" \
        "$build/installer.nsi"
}

step "install the packages that are missing" packages install_packages
step "build Qt and GoogleTest for Windows (the first time about 20 minutes)" libraries \
    build_libraries
step "configure the cross build" configure configure
step "cross-build the program and its tests" build cmake --build "$build"
step "make a Wine prefix" wine wine_start "$build/wine"
step "run the tests under Wine" tests run_tests
step "package the zip and the installer" package package
step "start the program from the unpacked zip under Wine" start \
    scripts/windows/check-start.sh "$zip"
step "install and uninstall under Wine" installer scripts/windows/check-installer.sh "$setup"
grep -E '^(100% tests passed|[0-9]+% tests passed)' "$logs/tests.log" || true
ls -l "$out"
