# shellcheck shell=bash
# Sourced by the scripts that build packages. What they build carries the
# time of the commit, not of the build: the linker writes it as the
# programs' time stamp, rcc into the resources, and the packages as every
# file's time. Two builds of one commit then give the same bytes.

# use_source_date: exports SOURCE_DATE_EPOCH, the commit's time unless it is
# set already, and QT_RCC_SOURCE_DATE_OVERRIDE, rcc's own name for it.
use_source_date() {
    if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
        if ! SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null) ||
            [ -z "$SOURCE_DATE_EPOCH" ]; then
            echo "$0: not a git checkout: set SOURCE_DATE_EPOCH to the source's time" >&2
            return 1
        fi
    fi
    export SOURCE_DATE_EPOCH QT_RCC_SOURCE_DATE_OVERRIDE=$SOURCE_DATE_EPOCH
}
