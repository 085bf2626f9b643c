#!/usr/bin/env bash
# Tells how this machine runs 32-bit x86 programs. Prints one word on the
# first line and a sentence saying it on the second:
#   native    the kernel runs them itself
#   emulated  they run through user-mode emulation (qemu), registered with
#             binfmt_misc because the kernel runs no 32-bit code
#   none      they do not run at all
# Exits 0 for native and emulated, 1 for none.
#
# It runs a 122-byte 32-bit ELF program that asks the kernel for the machine's
# name and exits with 42 when the answer is the kernel's own ("x86_64"), 43
# when it is an emulator's ("i686": qemu answers with the emulated CPU). It
# needs nothing installed. With QUILLMARK_NO_32BIT=1 it answers none, as a
# machine whose kernel runs no 32-bit code and has no emulation does: the test
# and run commands then do what they do there.
set -u
if [ "${QUILLMARK_NO_32BIT:-0}" = 1 ]; then
    echo none
    echo "32-bit programs are switched off for this run (QUILLMARK_NO_32BIT=1)"
    exit 1
fi
probe=$(mktemp "${TMPDIR:-/tmp}/elf32.XXXXXX")
trap 'rm -f "$probe"' EXIT
# ELF header, one PT_LOAD program header at 0x08048000, then
#   sub esp, 400; mov ebx, esp; mov eax, 122 (uname); int 0x80
#   mov ebx, 42; cmp byte [esp+260], 'x' (the machine field); je +1; inc ebx
#   mov eax, 1 (exit); int 0x80
printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00'\
'\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00'\
'\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00'\
'\x00\x00\x00\x00'\
'\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08'\
'\x7a\x00\x00\x00\x7a\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00'\
'\x81\xec\x90\x01\x00\x00\x89\xe3\xb8\x7a\x00\x00\x00\xcd\x80'\
'\xbb\x2a\x00\x00\x00\x80\xbc\x24\x04\x01\x00\x00\x78\x74\x01\x43'\
'\xb8\x01\x00\x00\x00\xcd\x80' > "$probe"
chmod +x "$probe"
"$probe" >/dev/null 2>&1
rc=$?

# An "i686" answer without an emulator registered comes from a kernel that
# runs the program itself under a 32-bit personality (setarch i686).
emulator_registered() {
    local entry
    for entry in /proc/sys/fs/binfmt_misc/*; do
        case ${entry##*/} in register | status) continue ;; esac
        grep -qx enabled "$entry" 2>/dev/null &&
            grep -q '^magic 7f454c46010101' "$entry" 2>/dev/null &&
            grep -q '^interpreter .*qemu-i386' "$entry" 2>/dev/null && return 0
    done
    return 1
}

if [ "$rc" -eq 42 ] || { [ "$rc" -eq 43 ] && ! emulator_registered; }; then
    echo native
    echo "this machine's kernel runs 32-bit programs"
    exit 0
fi
if [ "$rc" -eq 43 ]; then
    echo emulated
    echo "this machine's kernel runs no 32-bit code; 32-bit programs run through user-mode emulation (qemu-i386, registered with binfmt_misc)"
    exit 0
fi
echo none
echo "this machine's kernel does not run 32-bit programs (probe exit $rc), and no emulation is registered"
exit 1
