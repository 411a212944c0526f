#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and runs
# every test; reads the picture window through AT-SPI as a screen reader
# would; builds the Debian package twice and checks that both are the same
# and that lintian finds no error; then does the same tests under the
# address and undefined-behaviour sanitizers; a short fuzzing pass over the
# core; and the static checks.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/ensure-test-packages.sh

jobs=$(nproc)
cmake --preset ci
cmake --build --preset ci
ctest --preset ci --no-tests=error --parallel "$jobs"
# The picture window as a screen reader reads it, on a display of its own.
dbus-run-session -- /usr/bin/python3 scripts/atspi-check.py build/ci/app/sredna
bash packaging/check-deb.sh

cmake --preset asan
cmake --build --preset asan
ctest --preset asan --no-tests=error --parallel "$jobs"

bash scripts/fuzz.sh 20000
bash scripts/lint.sh
