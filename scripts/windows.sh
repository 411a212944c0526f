#!/usr/bin/env bash
# The program for 64-bit Windows, built on Debian and tested under Wine.
# Installs what is missing; builds Qt and GoogleTest for Windows once and
# caches them outside the source tree; cross-builds the program and its
# tests and runs the tests under Wine; packages the program as a zip, an
# installer and an MSI in build/windows/out, with their SHA256SUMS; and tries
# them under Wine: the unpacked zip must open its window, and the installer
# and the MSI must install and uninstall.
#
#   scripts/windows.sh [--check-reproducible]
#
# With --check-reproducible (CI) it then builds the program again in another
# folder, packages it again and fails unless every package is byte-identical.
set -euo pipefail
shopt -s inherit_errexit
cd "$(dirname "$0")/.."
repo=$(pwd)
build="$repo/build/windows"
out="$build/out"
logs="$build/logs"
again="$repo/build/windows-again"

reproducible=false
case "${1:-}" in
    --check-reproducible) reproducible=true ;;
    '') ;;
    *)
        echo "usage: scripts/windows.sh [--check-reproducible]" >&2
        exit 2
        ;;
esac
mkdir -p "$logs"
source scripts/as-root.sh
source scripts/source-date.sh
source scripts/windows/wine.sh
source scripts/windows/package-env.sh
use_source_date

# Each step writes to its own log. It runs in this shell, not under "if",
# where bash would ignore set -e and only a step's last command would count:
# any command that fails ends the script, and on the way out a failing step
# shows the end of its log and one line that names it.
exec 9>&2
current_step=
current_log=
finish() {
    local status=$?
    if [ -n "$current_step" ]; then
        tail -n 40 "$current_log" >&9
        echo "windows: the step \"$current_step\" failed; its log is $current_log" >&9
    fi
    wine_stop
    exit "$status"
}
trap finish EXIT

step() {
    local name=$1 started=$SECONDS
    current_log="$logs/$2.log"
    shift 2
    echo "== $name"
    current_step=$name
    "$@" >"$current_log" 2>&1
    current_step=
    echo "   $((SECONDS - started)) s"
}

install_packages() {
    scripts/ensure-packages.sh g++-mingw-w64-x86-64-posix mingw-w64-tools googletest \
        dpkg-dev nsis wixl msitools faketime wine64 xvfb x11-utils xdotool zip unzip \
        locales fontconfig
    scripts/windows/apt-source.sh qt6-base
    # Wine takes a program's regional settings from LANG, through the C
    # library's locales: the tests run in Bulgarian too.
    local locales
    locales=$(locale -a)
    if ! grep -qix 'bg_BG.utf8' <<<"$locales"; then
        as_root localedef -i bg_BG -c -f UTF-8 bg_BG.UTF-8
    fi
}

build_libraries() {
    qt=$(scripts/windows/qt.sh)
    gtest=$(scripts/windows/gtest.sh)
    # Qt's source is fetched: the machine's sources go back as they were.
    scripts/windows/apt-source.sh --remove
}

# configure_build FOLDER [CMAKE OPTION...]: Qt's toolchain file loads ours.
# Paths of the source and of the build folder are written as "." and
# "build", so that two folders build the same bytes.
configure_build() {
    local folder=$1
    shift
    cmake -S . -B "$folder" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
        -DQT_CHAINLOAD_TOOLCHAIN_FILE="$repo/cmake/mingw-w64-x86_64.cmake" \
        -DCMAKE_CXX_FLAGS="-ffile-prefix-map=$repo=. -ffile-prefix-map=$folder=build" \
        -DSREDNA_WERROR=ON -DSREDNA_BUILD_BENCH=OFF "$@"
}

configure() {
    # A build folder keeps the Qt it was first configured with, and what it
    # built keeps the time of the commit it was built at: ninja does not see
    # SOURCE_DATE_EPOCH change. When either changes, the folder is configured
    # afresh and built again from scratch, or the program would ship an old
    # Qt, or another commit's time.
    local stamp="$qt $gtest $SOURCE_DATE_EPOCH" fresh=()
    clean=()
    if [ -f "$build/CMakeCache.txt" ] && [ "$(cat "$build/built-for" 2>/dev/null)" != "$stamp" ]; then
        echo "Another Qt, GoogleTest or commit time: configuring and building afresh"
        fresh=(--fresh)
        clean=(--clean-first)
    fi
    # The tests run under Wine, listed when ctest runs rather than at build
    # time.
    configure_build "$build" "${fresh[@]}" -DGTest_DIR="$gtest/lib/cmake/GTest" \
        -DCMAKE_CROSSCOMPILING_EMULATOR="$repo/scripts/windows/wine-run.sh" \
        -DCMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE=PRE_TEST
    echo "$stamp" >"$build/built-for"
    local version
    version=$(package_value "$build/package.env" version)
    zip="$out/sredna-$version-win64.zip"
    setup="$out/sredna-$version-setup.exe"
    msi="$out/sredna-$version-win64.msi"
}

# The folders of the MinGW runtime libraries the tests load from the build.
runtime_path() {
    local library file
    for library in libstdc++-6.dll libwinpthread-1.dll; do
        file=$(x86_64-w64-mingw32-g++-posix -print-file-name="$library")
        windows_path "${file%/*}"
    done | paste -sd ';'
}

run_tests() {
    # Qt and the runtime from where they were built. The offscreen platform
    # reads its fonts from a folder, here Liberation's (Times New Roman's
    # metric twin); Wine hands QT_ variables to Windows programs only when
    # they are written with WINE before them.
    # Each look-up on its own line: a command substitution inside another
    # command's arguments fails without stopping anything.
    local font winepath fontdir
    font=$(fc-match -f '%{file}' 'Liberation Serif')
    winepath="$(windows_path "$qt/bin");$(runtime_path)"
    fontdir=$(windows_path "${font%/*}")
    # Wine keeps the regional settings in the prefix's registry, and a program
    # started with another LANG writes its own there: tests of the two
    # locales side by side would read each other's decimal separator. The
    # comma-locale window tests run after all the others.
    local selection retries="$logs/wine-retries.txt"
    : >"$retries"
    for selection in --exclude-regex --tests-regex; do
        SREDNA_WINE_RETRIES=$retries WINEPATH=$winepath WINEQT_QPA_FONTDIR=$fontdir \
            LANG=C.UTF-8 ctest --test-dir "$build" --output-on-failure --no-tests=error \
            --parallel "$(nproc)" "$selection" '\.comma$'
    done
    echo "Wine retries in the tests: $(wc -l <"$retries")"
}

# package FOLDER OUT: installs the build in FOLDER into FOLDER/stage and
# makes of that stage the zip, the installer and the MSI in OUT, and their
# SHA256SUMS, all from what that build made (its package.env names it).
# Every file gets the same time and permissions, and the zip takes its
# entries in sorted order: two builds package the same bytes.
package() {
    local folder=$1 to=$2 stage="$1/stage" version name
    version=$(package_value "$folder/package.env" version)
    name="sredna-$version-win64"
    rm -rf "$to" "$stage"
    mkdir -p "$to"
    cmake --install "$folder" --prefix "$stage"
    chmod -R u=rwX,go=rX "$stage"
    find "$stage" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +

    # The zip holds one folder named after the package.
    local top
    top=$(mktemp -d)
    cp -a "$stage" "$top/$name"
    (cd "$top" && find "$name" | LC_ALL=C sort | TZ=UTC zip -X -q -@ "$to/$name.zip")
    rm -rf "$top"

    # The installer takes the same folder, and its uninstaller a list of
    # exactly what it holds.
    local files="$folder/installed-files.nsh"
    # shellcheck disable=SC2016 # $INSTDIR is NSIS's, not the shell's
    (
        cd "$stage"
        find . -type f | LC_ALL=C sort |
            sed 's|^\./||; s|/|\\|g; s|.*|Delete "$INSTDIR\\&"|'
        find . -mindepth 1 -type d | LC_ALL=C sort -r |
            sed 's|^\./||; s|/|\\|g; s|.*|RMDir "$INSTDIR\\&"|'
    ) >"$files"
    makensis -INPUTCHARSET UTF8 -V2 -DSOURCE="$stage" -DFILES="$files" \
        -DOUTFILE="$to/sredna-$version-setup.exe" "$folder/installer.nsi"

    scripts/windows/msi.sh "$folder/package.env" "$stage" "$version" "$to/$name.msi"
    (cd "$to" && sha256sum "$name.zip" "sredna-$version-setup.exe" "$name.msi" >SHA256SUMS)
}

# The program alone, built and packaged again in another folder: every
# package must come out byte for byte the same.
check_reproducible() {
    rm -rf "$again"
    configure_build "$again" -DSREDNA_BUILD_TESTS=OFF
    cmake --build "$again" --parallel "$(nproc)"
    package "$again" "$again/out"
    local artefact differ=()
    for artefact in "$out"/*; do
        cmp "$artefact" "$again/out/${artefact##*/}" || differ+=("${artefact##*/}")
    done
    if [ ${#differ[@]} -ne 0 ]; then
        echo "not reproducible: ${differ[*]} differ between $out and $again/out" >&2
        return 1
    fi
    echo "the same bytes twice: $(cd "$out" && echo *)"
}

step "install the packages that are missing" packages install_packages
step "build Qt and GoogleTest for Windows (the first time about 20 minutes)" libraries \
    build_libraries
step "configure the cross build" configure configure
step "cross-build the program and its tests" build \
    cmake --build "$build" --parallel "$(nproc)" "${clean[@]}"
step "make a Wine prefix" wine wine_start "$build/wine"
step "run the tests under Wine" tests run_tests
step "package the zip, the installer and the MSI" package package "$build" "$out"
step "start the program from the unpacked zip under Wine" start \
    scripts/windows/check-start.sh "$build/package.env" "$zip"
step "install, upgrade and uninstall with the installer under Wine, also beside the MSI" \
    installer scripts/windows/check-installer.sh "$build/package.env" "$setup" "$build/stage" \
    "$build/installed-files.nsh" "$msi"
step "install, upgrade and remove the MSI under Wine, also beside the installer" msi \
    scripts/windows/check-msi.sh "$build/package.env" "$build/stage" "$msi" "$setup"
if "$reproducible"; then
    step "build and package the program again in another folder: the same bytes" again \
        check_reproducible
fi
grep -E '^[0-9]+% tests passed' "$logs/tests.log" || true
ls -l "$out"
