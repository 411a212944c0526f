# shellcheck shell=bash
# Sourced by the scripts that package and check the Windows program.
# packaging/windows/CMakeLists.txt writes package.env into the build folder:
# the version, the icon, the configured installer sources and the
# program's names, as key=value lines.

# package_value FILE KEY: the value of KEY in FILE; fails when there is none.
package_value() {
    local value
    value=$(sed -n "s/^$2=//p" "$1")
    if [ -z "$value" ]; then
        echo "$0: $1 has no $2" >&2
        return 1
    fi
    printf '%s\n' "$value"
}
