#!/bin/sh
# Recovery speed of the batch command on hostile input, against good input.
#
# Builds orvo-batch natively (Release, no sanitizers) in build-bench/ and times
# add-008 --keep-malformed on two files of the same size:
#   - good:    copies of the good sample records;
#   - broken:  "00026" and 21 "x" over and over, so that every 26 bytes are a
#              record whose end must be searched for.
# Prints the CPU time (user + system, so that a busy machine does not blur it)
# and MB per CPU second for both; and the broken file again at half the size:
# linear recovery halves the time.
#
#   sh bench/recovery.sh [MEGABYTES]
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
samples=$root/tests/data/samples
megabytes=${1:-8}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

build=$root/build-bench
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DORVO_SANITIZE=OFF >/dev/null
cmake --build "$build" -j2 --target orvo-batch >/dev/null

bytes=$(( megabytes * 1048576 ))
cat "$samples/camel.usmarc" "$samples/sample1.usmarc" "$samples/title_proper.usmarc" >"$work/good.mrc"
while [ "$(wc -c <"$work/good.mrc")" -lt "$bytes" ]; do cat "$work/good.mrc" "$work/good.mrc" >"$work/g2"; mv "$work/g2" "$work/good.mrc"; done
printf '00026xxxxxxxxxxxxxxxxxxxxx' >"$work/broken.mrc"
while [ "$(wc -c <"$work/broken.mrc")" -lt "$bytes" ]; do cat "$work/broken.mrc" "$work/broken.mrc" >"$work/b2"; mv "$work/b2" "$work/broken.mrc"; done

head -c $(( $(wc -c <"$work/broken.mrc") / 52 * 26 )) "$work/broken.mrc" >"$work/half-broken.mrc"
for kind in good broken half-broken; do
    size=$(wc -c <"$work/$kind.mrc")
    /usr/bin/time -f "%U %S" -o "$work/time.txt" \
        "$build/batch/orvo-batch" add-008 --keep-malformed "$work/$kind.mrc" "$work/$kind.out" 2>/dev/null || true
    tail -n 1 "$work/time.txt" >"$work/time.txt.last"
    cmp -s "$work/$kind.mrc" "$work/$kind.out" && same="output = input" || same="output differs"
    awk -v size="$size" -v kind="$kind" -v same="$same" \
        '{ s = $1 + $2; printf "%-12s %6.1f MB in %6.2f CPU s: %7.1f MB/s (%s)\n", kind, size / 1048576, s, size / 1048576 / s, same }' \
        "$work/time.txt.last"
done
