#!/usr/bin/env bash
# Exits 0 when Wine on this machine can run 32-bit Windows programs (through
# WOW64 in a prefix made after wine32 was installed), else 1 with the reason
# on stdout. Found out each time: the kernel is asked by running a 32-bit
# program, the package list for wine32's 32-bit Windows system files.
set -u
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
if ! reason=$("$here/can-run-32bit.sh"); then
    echo "$reason"
    exit 1
fi
if ! dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q 'install ok installed'; then
    echo "wine32 is not installed (scripts/setup-deps.sh installs it)"
    exit 1
fi
exit 0
