#!/usr/bin/env bash
# Runs one Windows program under Wine with the environment the caller set up
# (scripts/windows/wine.sh); ctest uses it to run the cross-built tests.
exec /usr/lib/wine/wine64 "$@"
