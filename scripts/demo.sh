#!/bin/sh
# The main job on a sample record: installs what is missing, builds, and runs
# the demo host under Wine (headless).
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
sh "$root/scripts/install-deps.sh"
sh "$root/scripts/build.sh" >/dev/null
sh "$root/scripts/setup-wine.sh"
sample=${1:-$root/../shared/samples/sample1.usmarc}
"$root/scripts/wine-run" "$root/build/win/bin/orvo-demo.exe" "Z:$(realpath "$sample")"
