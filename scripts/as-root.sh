# shellcheck shell=bash
# Sourced by the scripts that install or configure the system: they work
# both as root and for a user with sudo.

# as_root COMMAND [ARGUMENT...]: runs the command as root, through sudo
# unless the script already runs as root.
as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    else
        sudo "$@"
    fi
}
