#!/usr/bin/env bash
# The whole test suite: installs what is missing, builds everything, runs the
# native unit tests, then the tests that drive the setup under Wine on a
# virtual display, in one Wine prefix prepared for the run: every Wine test
# program once against the 64-bit setup and once against the 32-bit one, the
# build that ships: natively where the kernel runs 32-bit code, through
# user-mode emulation where it runs none (scripts/setup-deps.sh sets that up).
# Only where neither can be had (QUILLMARK_NO_32BIT=1 says to behave so) are
# the 32-bit runs reported as skipped, with the reason; everything else runs.
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$here"
source scripts/wine-env.sh
started=$(date +%s)

timings=()
timed() {  # what, command...
    local what=$1 begun=$(date +%s) rc=0; shift
    "$@" || rc=$?
    timings+=("$what $(($(date +%s) - begun)) s")
    return $rc
}

timed "set-up" scripts/setup-deps.sh || exit 1
timed "build" scripts/build.sh || exit 1

results=()
# Keeps a run's closing ctest line, or an empty one when it has none.
keep_result() {  # log
    results+=("$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$1" | tail -n 1)")
}
ctest_into() {  # log, build dir
    ctest --test-dir "$2" --output-on-failure 2>&1 | tee "$1"
}

# One build's Wine tests, in a fresh copy of the prepared template prefix
# (every run starts from the same state) on a virtual display of its own, so
# that the two builds' suites can run side by side.
wine_suite() {  # build dir, prefix name
    rm -rf "build/wine/$2"
    cp -a build/wine/template "build/wine/$2"
    export WINEPREFIX="$here/build/wine/$2"
    start_display
    trap stop_wine_and_display EXIT
    start_wine build/win-x86_64/tests/wine/test_keeper.exe
    ctest --test-dir "$1" --output-on-failure
}
suite_into() {  # log, build dir, prefix name
    ( wine_suite "$2" "$3" ) 2>&1 | tee "$1"
}

scripts/wine-prefix.sh build/wine/template || exit 1
skipped=0 skip_note= log32= pid32=
if how=$(scripts/wine-runs-32bit.sh); then
    # The 32-bit suite runs beside the native tests and the 64-bit suite: it
    # waits on the setup's windows more than it computes, and emulated it
    # takes as long as the others together.
    log32=$(mktemp)
    (
        begun=$(date +%s)
        wine_suite build/win-i686 prefix32
        echo "suite-seconds $(($(date +%s) - begun))"
    ) >"$log32" 2>&1 </dev/null &
    pid32=$!
else
    skipped=$(ctest --test-dir build/win-i686 -N 2>/dev/null | sed -n 's/^Total Tests: //p')
    skipped=${skipped:-0}
    skip_note="The 32-bit setup's $skipped Wine tests were skipped: $(sed -n 2p <<<"$how")."
fi

log=$(mktemp)
timed "native tests" ctest_into "$log" build/host
keep_result "$log"
echo "== Wine tests against the 64-bit setup (build/win-x86_64)"
timed "64-bit setup's Wine tests" suite_into "$log" build/win-x86_64 prefix
keep_result "$log"
rm -f "$log"
if [ -n "$pid32" ]; then
    wait "$pid32"
    echo "== Wine tests against the 32-bit setup (build/win-i686), run beside the others: $(sed -n 2p <<<"$how")"
    grep -v '^suite-seconds ' "$log32"
    keep_result "$log32"
    timings+=("32-bit setup's Wine tests ($(head -n 1 <<<"$how"), beside the others) $(sed -n 's/^suite-seconds //p' "$log32") s")
    rm -f "$log32"
fi

passed=0 failed=0
for r in "${results[@]}"; do
    total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$r")
    bad=$(sed -E 's/.*tests passed, ([0-9]+) tests? failed.*/\1/' <<<"$r")
    [[ "$total" =~ ^[0-9]+$ ]] || continue
    passed=$((passed + total - bad))
    failed=$((failed + bad))
done
# A run whose summary line is missing (a crash, a hang cut short) counts as failed.
for r in "${results[@]}"; do [ -n "$r" ] || failed=$((failed + 1)); done
elapsed=$(($(date +%s) - started))
echo "The whole suite took $((elapsed / 60)) min $((elapsed % 60)) s (${timings[*]/%/,} the rest preparing Wine)."
[ -z "$skip_note" ] || echo "$skip_note"
if [ "$skipped" -gt 0 ]; then
    echo "$passed passed, $failed failed, $skipped skipped"
else
    echo "$passed passed, $failed failed"
fi
[ "$failed" -eq 0 ]
