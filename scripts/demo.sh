#!/bin/sh
# The main job, as a cataloguer would do it: installs what is missing, builds,
# and takes the scripted tour of the editors on a sample record under Wine.
# Without a display it runs on a virtual one (Xvfb) so that the pictures of
# the dialogs are real. Leaves before.mrk, after.mrk, a PNG per editor, two of
# the host's Check command, one of a 245 edited as its field line and one of
# the host with its columns and status bar in build/demo (or the folder given
# second).
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
sample=$(realpath "${1:-$root/tests/data/samples/sample1.usmarc}")
out=$(realpath -m "${2:-$root/build/demo}")
sh "$root/scripts/install-deps.sh" xvfb
sh "$root/scripts/build.sh" >/dev/null
mkdir -p "$out"

export ORVO_WINE_GRAPHICS=x11
. "$root/scripts/virtual-display.sh"
trap orvo_stop_virtual_display EXIT
orvo_start_virtual_display :77
sh "$root/scripts/setup-wine.sh"
"$root/scripts/wine-run" "$root/build/win/bin/orvo-demo.exe" "Z:$sample" "Z:$out"
echo "Pictures and records in $out"
