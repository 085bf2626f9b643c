#!/usr/bin/env bash
# Exits 0 when Wine on this machine can run 32-bit Windows programs (through
# WOW64 in a prefix made after wine32 was installed), else 1. Either way it
# prints how on stdout: the kind of machine (scripts/can-run-32bit.sh: native,
# emulated or none) on the first line and a sentence on the second. Found out
# each time: the kernel is asked by running a 32-bit program, the package
# list for wine32's 32-bit Windows system files.
set -u
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
answer=$("$here/can-run-32bit.sh")
kind=$(head -n 1 <<<"$answer")
if [ "$kind" = none ]; then
    echo "$answer"
    exit 1
fi
if ! dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q 'install ok installed'; then
    echo none
    echo "wine32 is not installed (scripts/setup-deps.sh installs it)"
    exit 1
fi
echo "$kind"
case $kind in
native) echo "Wine here runs 32-bit programs natively" ;;
emulated) echo "Wine here runs 32-bit programs through user-mode emulation (qemu-i386), as the kernel runs no 32-bit code" ;;
esac
