#!/bin/sh
# Prints how fast each editor is ready for input and how fast its layouts
# switch, under Wine with the null graphics driver (see TOpenLatencyBench.cpp).
#
#   sh bench/open-latency.sh [RUNS, default 50]
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
[ -f "$root/build/win/bin/orvo-bench-open.exe" ] || sh "$root/scripts/build.sh" >/dev/null
sh "$root/scripts/setup-wine.sh"
"$root/scripts/wine-run" "$root/build/win/bin/orvo-bench-open.exe" "${1:-50}"
