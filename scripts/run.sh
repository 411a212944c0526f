#!/usr/bin/env bash
# Installs what is missing, builds the optimised program and opens it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/ensure-packages.sh
cmake --preset program >/dev/null
cmake --build --preset program
exec build/program/app/sredna "$@"
