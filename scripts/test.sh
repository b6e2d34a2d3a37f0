#!/bin/sh
# Installs what is missing, builds both trees and runs every test: the native
# tests (under AddressSanitizer and UndefinedBehaviorSanitizer), then the
# Windows tests under Wine. Ends on CTest's summary of the Windows run. The
# fuzz targets run separately: sh scripts/fuzz.sh (CI does, in .ci/run).
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
sh "$root/scripts/install-deps.sh"
sh "$root/scripts/build.sh"
sh "$root/scripts/setup-wine.sh"
echo "== Native tests"
(cd "$root/build/native" && ctest --output-on-failure)
echo "== Windows tests under Wine"
# One at a time: the dialogs of parallel tests would share one desktop's focus.
(cd "$root/build/win" && ctest --output-on-failure)
