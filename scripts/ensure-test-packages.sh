#!/usr/bin/env bash
# Installs what the tests and benchmarks need beyond the program, only what
# is missing: GoogleTest and Google Benchmark; the validators that let the
# install test check the desktop entry and metadata; the URW fonts that let
# the layout test run without Liberation; pdftotext, with which the picture
# test reads back the text of a saved PDF; Xvfb, xdotool, a private D-Bus
# session and the AT-SPI bus with its Python binding, with which
# scripts/atspi-check.py reads the picture window as a screen reader would.
set -euo pipefail
cd "$(dirname "$0")/.."
exec scripts/ensure-packages.sh libgtest-dev libbenchmark-dev desktop-file-utils appstream \
    fonts-urw-base35 poppler-utils xvfb xdotool dbus-daemon at-spi2-core python3-pyatspi "$@"
