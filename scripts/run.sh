#!/usr/bin/env bash
# Installs what is missing, builds the optimised program and opens it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/ensure-packages.sh
cmake --preset release >/dev/null
cmake --build --preset release --target sredna
exec build/release/app/sredna "$@"
