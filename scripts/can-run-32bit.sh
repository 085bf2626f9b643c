#!/usr/bin/env bash
# Exits 0 when this machine's kernel runs 32-bit x86 programs, else 1 with the
# reason on stdout. It runs a 96-byte 32-bit ELF program that exits with 42:
# the same question Wine's WOW64 asks, without needing anything installed.
# With QUILLMARK_NO_32BIT=1 it answers no, as a machine whose kernel runs no
# 32-bit code does: the test and run commands then do what they do there.
set -u
if [ "${QUILLMARK_NO_32BIT:-0}" = 1 ]; then
    echo "32-bit programs are switched off for this run (QUILLMARK_NO_32BIT=1)"
    exit 1
fi
probe=$(mktemp "${TMPDIR:-/tmp}/elf32.XXXXXX")
trap 'rm -f "$probe"' EXIT
# ELF header, one PT_LOAD program header at 0x08048000, then
#   mov ebx, 42; mov eax, 1 (exit); int 0x80
printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00'\
'\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00'\
'\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00'\
'\x00\x00\x00\x00'\
'\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08'\
'\x60\x00\x00\x00\x60\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00'\
'\xbb\x2a\x00\x00\x00\xb8\x01\x00\x00\x00\xcd\x80' > "$probe"
chmod +x "$probe"
"$probe" >/dev/null 2>&1
rc=$?
if [ "$rc" -eq 42 ]; then
    exit 0
fi
echo "this machine's kernel does not run 32-bit programs (probe exit $rc)"
exit 1
