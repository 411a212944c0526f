#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and runs
# every test; then does the same under the address and undefined-behaviour
# sanitizers; a short fuzzing pass over the core; and the static checks.
set -euo pipefail
cd "$(dirname "$0")/.."
# GoogleTest and Google Benchmark; the validators let the install test check
# the desktop entry and metadata; the URW fonts let the layout test run
# without Liberation.
scripts/ensure-packages.sh libgtest-dev libbenchmark-dev desktop-file-utils appstream \
    fonts-urw-base35

jobs=$(nproc)
cmake --preset ci
cmake --build --preset ci
ctest --preset ci --parallel "$jobs"

cmake --preset asan
cmake --build --preset asan
ctest --preset asan --parallel "$jobs"

bash scripts/fuzz.sh 20000
bash scripts/lint.sh
