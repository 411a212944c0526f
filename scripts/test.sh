#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and runs
# every test; then does the same under the address and undefined-behaviour
# sanitizers; a short fuzzing pass over the core; and the static checks.
set -euo pipefail
cd "$(dirname "$0")/.."
# The validators let the install test check the desktop entry and metadata.
scripts/ensure-packages.sh desktop-file-utils appstream

cmake --preset ci
cmake --build --preset ci
ctest --preset ci

cmake --preset asan
cmake --build --preset asan
ctest --preset asan

bash scripts/fuzz.sh 20000
bash scripts/lint.sh
