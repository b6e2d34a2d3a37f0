#!/bin/sh
# Throughput of the batch command against yaz-marcdump, on one large file.
#
# Builds orvo-batch natively (Release, no sanitizers) in build-bench/, makes a
# file of at least 200 000 records by repeating the good sample records, then
# times in one run:
#   - yaz-marcdump -i marc -o marc   (Debian package yaz) copying the file;
#   - orvo-batch add-008 --replace   giving every record the default 008
#     (each record parsed, changed and written again).
# Prints records per second for both, their ratio, and our peak memory.
# With --instructions it also counts, under valgrind's callgrind, the
# instructions each runs on the first 8 000 records: a figure a busy machine
# does not change.
#
#   sh bench/run.sh [RECORDS] [--instructions]
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
samples=$root/../shared/samples
records=200000
instructions=no
for arg in "$@"; do
    case $arg in
        --instructions) instructions=yes ;;
        *) records=$arg ;;
    esac
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

sh "$root/scripts/install-deps.sh" yaz time

build=$root/build-bench
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DORVO_SANITIZE=OFF >/dev/null
cmake --build "$build" -j2 --target orvo-batch >/dev/null

# The well-formed samples without filler (16 records); repeat them until
# there are enough, doubling to keep the build quick.
cat "$samples/camel.usmarc" "$samples/sample1.usmarc" "$samples/title_proper.usmarc" >"$work/unit.mrc"
unit=16
copies=$(( (records + unit - 1) / unit ))
chunk=$work/chunk.mrc
cp "$work/unit.mrc" "$chunk"
n=1
while [ $(( n * 2 )) -le "$copies" ]; do cat "$chunk" "$chunk" >"$chunk.2"; mv "$chunk.2" "$chunk"; n=$(( n * 2 )); done
mv "$chunk" "$work/big.mrc"
while [ "$n" -lt "$copies" ]; do cat "$work/unit.mrc" >>"$work/big.mrc"; n=$(( n + 1 )); done
total=$(( copies * unit ))
size=$(wc -c <"$work/big.mrc")
echo "Input: $total records, $size bytes"

rate() { echo "$1 $2" | awk '{ printf "%.0f", $1 / $2 }'; }

# Wall clock from /usr/bin/time; its user and system seconds too, which a busy
# machine disturbs less.
seconds() { awk -F': ' '/Elapsed \(wall clock\)/ { n = split($2, p, ":"); s = 0; for (i = 1; i <= n; i++) s = s * 60 + p[i]; printf "%.3f", s }' "$1"; }
cpu_seconds() { awk -F': ' '/User time|System time/ { s += $2 } END { printf "%.3f", s }' "$1"; }

/usr/bin/time -v -o "$work/yaz-time.txt" yaz-marcdump -i marc -o marc "$work/big.mrc" >"$work/yaz.mrc" 2>/dev/null
yaz_seconds=$(seconds "$work/yaz-time.txt")
yaz_cpu=$(cpu_seconds "$work/yaz-time.txt")

/usr/bin/time -v -o "$work/time.txt" "$build/batch/orvo-batch" add-008 --replace "$work/big.mrc" "$work/ours.mrc" \
    2>"$work/ours.err" || { cat "$work/ours.err" >&2; exit 1; }
ours_seconds=$(seconds "$work/time.txt")
ours_cpu=$(cpu_seconds "$work/time.txt")
peak_kb=$(awk -F': ' '/Maximum resident set size/ { print $2 }' "$work/time.txt")
tail -n 1 "$work/ours.err"

yaz_rate=$(rate "$total" "$yaz_seconds")
ours_rate=$(rate "$total" "$ours_seconds")
echo "yaz-marcdump -i marc -o marc:   $yaz_seconds s, $yaz_rate records/s"
echo "orvo-batch add-008 --replace:   $ours_seconds s, $ours_rate records/s"
echo "$ours_rate $yaz_rate" | awk '{ printf "ratio (ours / yaz):             %.2f\n", $1 / $2 }'
echo "$yaz_cpu $ours_cpu" | awk '{ printf "CPU seconds (user + system):    yaz %.3f, ours %.3f, ratio %.2f\n", $1, $2, $1 / $2 }'
echo "orvo-batch peak memory:         $(( peak_kb / 1024 )) MB ($peak_kb kB)"

if [ "$instructions" = yes ]; then
    [ -x "$(command -v valgrind)" ] || sh "$root/scripts/install-deps.sh" valgrind
    head -c $(( 500 * $(wc -c <"$work/unit.mrc") )) "$work/big.mrc" >"$work/small.mrc"
    count() { valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 >/dev/null | awk '/ refs:/ { gsub(",", "", $NF); print $NF }'; }
    yaz_ir=$(count yaz-marcdump -i marc -o marc "$work/small.mrc")
    ours_ir=$(count "$build/batch/orvo-batch" add-008 --replace "$work/small.mrc" "$work/small-ours.mrc")
    echo "$yaz_ir $ours_ir" | awk '{ printf "instructions, 8 000 records:    yaz %.0f M, ours %.0f M, ratio %.2f\n", $1 / 1e6, $2 / 1e6, $1 / $2 }'
fi
