#!/usr/bin/env bash
# Where the kernel runs no 32-bit code, the 32-bit setup (the one that ships)
# and Wine's 32-bit half run through qemu's user-mode emulator, which the
# kernel starts for every 32-bit x86 program once it is registered with
# binfmt_misc. The registration is the one change this project makes to the
# machine beside its packages; it lasts until the machine restarts.
#   i386-emulation.sh on     registers qemu-i386-static (mounting binfmt_misc if it is not)
#   i386-emulation.sh off    takes the registration back
# As root. Either is a no-op when there is nothing to do.
set -euo pipefail
name=quillmark-i386
misc=/proc/sys/fs/binfmt_misc
interpreter=/usr/bin/qemu-i386-static
# A 32-bit x86 executable or shared object, as the kernel reads its first 20 bytes.
magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

case "${1:-}" in
on)
    [ -x "$interpreter" ] || { echo "i386-emulation: $interpreter is missing (scripts/setup-deps.sh installs it)" >&2; exit 1; }
    [ -f "$misc/register" ] || as_root mount -t binfmt_misc binfmt_misc "$misc"
    if [ ! -e "$misc/$name" ]; then
        # Without the F flag the kernel looks the interpreter up at each start,
        # so an upgraded qemu is taken at once.
        printf '%s' ":$name:M::$magic:$mask:$interpreter:" | as_root tee "$misc/register" >/dev/null
    fi
    ;;
off)
    if [ -e "$misc/$name" ]; then
        echo -1 | as_root tee "$misc/$name" >/dev/null
        echo "i386-emulation: 32-bit programs no longer run through qemu here"
    fi
    ;;
*)
    echo "usage: i386-emulation.sh on|off" >&2
    exit 2
    ;;
esac
