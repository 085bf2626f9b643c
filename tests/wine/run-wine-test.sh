#!/bin/sh
# Runs one Windows test program under Wine for ctest:
#   run-wine-test.sh WINE TEST_EXE [STDERR_FILE]
# Its output goes through a file, not straight to ctest: Wine services that a
# test starts on demand (COM, the shell) outlive it and inherit its output, and
# ctest would wait for them to close it. With STDERR_FILE, the program's Unix
# standard error (where Wine's debug channels write) goes there instead.
wine=$1 exe=$2 errors=${3:-}
out=$(mktemp)
if [ -n "$errors" ]; then
    "$wine" "$exe" >"$out" 2>"$errors" </dev/null
else
    "$wine" "$exe" >"$out" 2>&1 </dev/null
fi
rc=$?
cat "$out"
rm -f "$out"
exit $rc
