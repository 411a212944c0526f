# shellcheck shell=bash
# Sourced by the scripts that build libraries for the Windows target. Each
# library is built once and cached outside the source tree, under a name
# keyed by everything that went into it. An entry is built in a temporary
# folder beside the cache and renamed into place only when its install is
# complete, so a broken or interrupted build is never trusted.

cache_root="${SREDNA_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/sredna}"

# A short key for the text on standard input.
cache_key() {
    sha256sum | cut -c1-12
}

# The text of the build commands themselves, for the key: editing a builder
# must not reuse what the old one built.
cache_recipe() {
    cat "${BASH_SOURCE[0]}" "$@"
}

# cached_build ENTRY BUILDER: prints the prefix $cache_root/ENTRY, first
# running "BUILDER PREFIX WORK" when the entry is missing. BUILDER works in
# the empty folder WORK and installs with DESTDIR=WORK/stage into PREFIX.
cached_build() {
    local prefix="$cache_root/$1" builder=$2 work
    if [ ! -d "$prefix" ]; then
        mkdir -p "$cache_root"
        # Folders left by builds that were killed outright.
        find "$cache_root" -maxdepth 1 -name 'building-*' -mmin +240 -exec rm -rf {} +
        work=$(mktemp -d "$cache_root/building-XXXXXX")
        # Not under "if": there bash ignores set -e in the builder, and a
        # failed command would go unnoticed until the last one.
        local status=0
        set +e
        (set -e; "$builder" "$prefix" "$work") >"$work/build.log" 2>&1
        status=$?
        set -e
        if [ "$status" -ne 0 ]; then
            # The whole log stays: the first error is often far from its end.
            cp "$work/build.log" "$cache_root/$1.failed.log"
            tail -n 40 "$work/build.log" >&2
            echo "the whole log: $cache_root/$1.failed.log" >&2
            rm -rf "$work"
            return 1
        fi
        # The same file system as the cache: the rename is atomic. -T never
        # moves into a folder that a build running beside this one put there
        # first; that one is as good as ours, so ours goes.
        if ! mv -T "$work/stage$prefix" "$prefix" 2>/dev/null; then
            [ -d "$prefix" ] || { echo "cannot put $prefix in place" >&2; rm -rf "$work"; return 1; }
        fi
        rm -rf "$work"
    fi
    echo "$prefix"
}
