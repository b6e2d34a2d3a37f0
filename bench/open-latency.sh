#!/bin/sh
# Prints how fast each editor is ready for input and how fast its layouts
# switch, under Wine with the null graphics driver (see TOpenLatencyBench.cpp).
#
#   sh bench/open-latency.sh [RUNS, default 50]
#
# It runs twice. First as Wine runs by default: the program and its wineserver
# on whichever CPUs the system gives them. Then with both on one CPU (taskset).
# Under Wine nearly every window call is a round trip to the wineserver; on an
# idle virtual machine each trip that has to wake the other CPU costs tens of
# microseconds, and an editor makes thousands. The second run shows the time
# the editors themselves take; the difference is that wake-up. Each run ends
# with what one bare static, drop-down list and edit box costs to create
# (TWindowCostBench.cpp).
#
# ORVO_WINE_GRAPHICS=x11 runs it with Wine's X11 driver instead, in its own
# prefix, on a virtual display (Xvfb) when there is no display.
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
[ -f "$root/build/win/bin/orvo-bench-open.exe" ] && [ -f "$root/build/win/bin/orvo-bench-windows.exe" ] ||
    sh "$root/scripts/build.sh" >/dev/null
. "$root/scripts/virtual-display.sh"
trap orvo_stop_virtual_display EXIT
orvo_start_virtual_display :78
sh "$root/scripts/setup-wine.sh"
. "$root/scripts/wine-env.sh"
runs=${1:-50}

echo "== Wine as it starts: program and wineserver on any CPU"
"$root/scripts/wine-run" "$root/build/win/bin/orvo-bench-open.exe" "$runs"
"$root/scripts/wine-run" "$root/build/win/bin/orvo-bench-windows.exe"

echo "== Program and wineserver on one CPU (taskset -c 0)"
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true
taskset -c 0 wineserver -p 2>/dev/null || true
taskset -c 0 "$root/scripts/wine-run" "$root/build/win/bin/orvo-bench-open.exe" "$runs"
taskset -c 0 "$root/scripts/wine-run" "$root/build/win/bin/orvo-bench-windows.exe"

# The persistent server as the tests expect it again.
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true
wineserver -p 2>/dev/null || true
