#!/bin/sh
# Installs what is missing, builds the three trees and runs every test: the
# native tests (under AddressSanitizer and UndefinedBehaviorSanitizer), then
# the Windows tests under Wine: all of them for 64-bit Windows (build/win),
# and for 32-bit Windows (build/win32) those named below; each tree's package
# included. Ends on CTest's summary of the 32-bit run
# and the time each part took. The fuzz targets run separately:
# sh scripts/fuzz.sh (CI does, in .ci/run).
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
start=$(date +%s)
sh "$root/scripts/install-deps.sh"
sh "$root/scripts/build.sh"
built=$(date +%s)
sh "$root/scripts/setup-wine.sh"
# The prefix's server and services end with the test command, passed or
# failed: nothing of Wine outlives the run.
trap '(. "$root/scripts/wine-env.sh"; wineserver -k; timeout 60 wineserver -w) >/dev/null 2>&1' EXIT
failed=""
echo "== Native tests"
(cd "$root/build/native" && ctest --output-on-failure --timeout 900) || failed="$failed native"
native=$(date +%s)
# One at a time: the dialogs of parallel tests would share one desktop's focus.
# A test without a time limit of its own gets 900 s: nothing waits for ever.
echo "== Windows tests under Wine, 64-bit (build/win)"
(cd "$root/build/win" && ctest --output-on-failure --timeout 900) || failed="$failed win64"
win64=$(date +%s)
# The whole suite twice would take the test command past 15 minutes on a
# two-core machine: the 32-bit tree runs what differs between the
# architectures, the C interface (its exports by plain name and the program
# linked against OrvoFieldEditors.lib), every editor's dialog tests, the
# untouched-records tests and its package. Each dialog test is a suite, run
# in one Wine process (cmake/WineTestSuites.cmake).
# ORVO_X86_TESTS=all runs everything there too.
x86_tests='^(CInterface\.|Package\.|(LeaderEditor|T006Editor|T007Editor|T008Editor|T856EditorTest|OddFields|EveryEditor/UntouchedRecords)$)'
[ "${ORVO_X86_TESTS:-}" = all ] && x86_tests=.
echo "== Windows tests under Wine, 32-bit (build/win32)"
(cd "$root/build/win32" && ctest --output-on-failure --timeout 900 -R "$x86_tests") || failed="$failed win32"
win32=$(date +%s)
echo "Time: install and build $((built - start)) s, native tests $((native - built)) s," \
     "64-bit Wine tests $((win64 - native)) s, 32-bit Wine tests $((win32 - win64)) s, all $((win32 - start)) s"
if [ -n "$failed" ]; then
    echo "FAILED:$failed" >&2
    exit 1
fi
