#!/bin/sh
# Runs a command with a small drive in the Wine prefix, for tests of a full
# disk: a size-limited tmpfs mapped as drive LETTER of $WINEPREFIX, named to
# the command in QUILLMARK_SMALL_DRIVE. Mounting needs root; without it the
# command runs without the drive, and the tests that need it skip.
#   with-small-drive.sh LETTER SIZE COMMAND...
letter=$1 size=$2
shift 2
dir= link=
# Also when the run is cut short (a test timeout): the mount and the drive go.
cleanup() {
    [ -n "$link" ] && rm -f "$link"
    # Lazily when a Wine process still holds a file there: it goes once freed.
    [ -n "$dir" ] && { umount "$dir" || umount -l "$dir"; } && rmdir "$dir"
    link= dir=
}
trap cleanup EXIT
trap 'exit 143' TERM
trap 'exit 130' INT
if [ "$(id -u)" -eq 0 ] && [ -n "${WINEPREFIX:-}" ] && [ ! -e "$WINEPREFIX/dosdevices/$letter:" ]; then
    dir=$(mktemp -d)
    if mount -t tmpfs -o "size=$size" tmpfs "$dir"; then
        link="$WINEPREFIX/dosdevices/$letter:"
        ln -s "$dir" "$link"
        export QUILLMARK_SMALL_DRIVE="$letter:"
    else
        rmdir "$dir"
        dir=
    fi
fi
"$@"
rc=$?
cleanup
exit $rc
