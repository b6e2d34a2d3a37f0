#!/bin/sh
# Throughput of the batch command against yaz-marcdump, on one large file.
#
# Builds orvo-batch natively (Release, no sanitizers) in build-bench/, makes a
# file of at least 200 000 records by repeating the good sample records, then
# times in one run:
#   - yaz-marcdump -i marc -o marc   (Debian package yaz) copying the file;
#   - orvo-batch add-008 --replace   giving every record the default 008
#     (each record parsed, changed and written again);
#   - yaz-marcdump -n -i marc        reading every record, nothing written;
#   - orvo-batch check               checking every coded value of every record
#     (beside yaz-marcdump -n, the plain read), on that file and on one of the
#     records with no finding (camel.usmarc repeated);
# then, on as many MARC-8 records (the same samples and the MARC-8 records of
# tests/data/charset, with diacritics, Greek, Cyrillic and EACC):
#   - yaz-marcdump -f MARC-8 -t UTF-8 -l 9=97 -o marc;
#   - orvo-batch convert --to utf-8.
# Prints records per second for each pair (by the wall clock and by CPU time,
# which a busy machine disturbs less), their ratio, and our peak memory.
# With --instructions it also counts, under valgrind's callgrind, the
# instructions each runs on the first 8 000 records (add-008 and the check,
# each beside yaz-marcdump): a figure a busy machine does not change.
#
#   sh bench/run.sh [RECORDS] [--instructions]
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
samples=$root/tests/data/samples
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

# repeat UNIT RECORDS-IN-UNIT OUT: the unit file repeated until OUT holds at
# least $records records, doubling to keep the build quick; sets total.
repeat() {
    copies=$(( (records + $2 - 1) / $2 ))
    cp "$1" "$3.chunk"
    n=1
    while [ $(( n * 2 )) -le "$copies" ]; do cat "$3.chunk" "$3.chunk" >"$3.2"; mv "$3.2" "$3.chunk"; n=$(( n * 2 )); done
    mv "$3.chunk" "$3"
    while [ "$n" -lt "$copies" ]; do cat "$1" >>"$3"; n=$(( n + 1 )); done
    total=$(( copies * $2 ))
}

# The well-formed samples without filler (16 records).
cat "$samples/camel.usmarc" "$samples/sample1.usmarc" "$samples/title_proper.usmarc" >"$work/unit.mrc"
repeat "$work/unit.mrc" 16 "$work/big.mrc"
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

# The record check beside the plain read: yaz-marcdump -n only parses every
# record; orvo-batch check reads every record and checks every coded value
# (a quarter of the sample records have findings, all printed), then the same
# on a file whose records have none.
check_pair() { # FILE LABEL
    /usr/bin/time -v -o "$work/yazn-time.txt" yaz-marcdump -n -i marc "$1" >/dev/null 2>&1
    /usr/bin/time -v -o "$work/check-time.txt" "$build/batch/orvo-batch" check "$1" >"$work/check.txt" 2>&1 ||
        [ $? -eq 1 ] || { cat "$work/check.txt" >&2; exit 1; }
    yazn_s=$(seconds "$work/yazn-time.txt"); yazn_cpu=$(cpu_seconds "$work/yazn-time.txt")
    check_s=$(seconds "$work/check-time.txt"); check_cpu=$(cpu_seconds "$work/check-time.txt")
    echo "$2: $total records, $(grep -c '^record ' "$work/check.txt" || true) findings"
    echo "yaz-marcdump -n (read only):    $yazn_s s, $(rate "$total" "$yazn_s") records/s; CPU $yazn_cpu s, $(rate "$total" "$yazn_cpu") records/s"
    echo "orvo-batch check:               $check_s s, $(rate "$total" "$check_s") records/s; CPU $check_cpu s, $(rate "$total" "$check_cpu") records/s"
    echo "$yazn_cpu $check_cpu" | awk '{ printf "CPU ratio (check / yaz -n):     %.2f\n", $2 / $1 }'
    check_kb=$(awk -F': ' '/Maximum resident set size/ { print $2 }' "$work/check-time.txt")
    echo "orvo-batch check peak memory:   $(( check_kb / 1024 )) MB ($check_kb kB)"
}
check_pair "$work/big.mrc" "Check, the bench's file"
big_total=$total
repeat "$samples/camel.usmarc" 10 "$work/clean.mrc"
check_pair "$work/clean.mrc" "Check, camel.usmarc repeated"
total=$big_total

# Character sets: MARC-8 to UTF-8, both tools on the same MARC-8 records.
cat "$work/unit.mrc" "$root/tests/data/charset/marc8.mrc" >"$work/unit8.mrc"
repeat "$work/unit8.mrc" 18 "$work/big8.mrc"
echo "MARC-8 input: $total records, $(wc -c <"$work/big8.mrc") bytes"
/usr/bin/time -v -o "$work/yaz8-time.txt" yaz-marcdump -f MARC-8 -t UTF-8 -l 9=97 -o marc "$work/big8.mrc" \
    >"$work/yaz8.mrc" 2>/dev/null
/usr/bin/time -v -o "$work/time8.txt" "$build/batch/orvo-batch" convert --to utf-8 "$work/big8.mrc" "$work/ours8.mrc" \
    2>"$work/ours8.err" || { cat "$work/ours8.err" >&2; exit 1; }
cmp -s "$work/yaz8.mrc" "$work/ours8.mrc" && same="byte for byte the same" || same="not the same bytes"
yaz8_rate=$(rate "$total" "$(seconds "$work/yaz8-time.txt")")
ours8_rate=$(rate "$total" "$(seconds "$work/time8.txt")")
echo "yaz-marcdump -f MARC-8 -t UTF-8 -l 9=97 -o marc: $(seconds "$work/yaz8-time.txt") s, $yaz8_rate records/s"
echo "orvo-batch convert --to utf-8:                   $(seconds "$work/time8.txt") s, $ours8_rate records/s ($same)"
echo "$ours8_rate $yaz8_rate" | awk '{ printf "ratio (ours / yaz):                               %.2f\n", $1 / $2 }'
echo "$(cpu_seconds "$work/yaz8-time.txt") $(cpu_seconds "$work/time8.txt")" |
    awk '{ printf "CPU seconds (user + system):                      yaz %.3f, ours %.3f, ratio %.2f\n", $1, $2, $1 / $2 }'
peak8_kb=$(awk -F': ' '/Maximum resident set size/ { print $2 }' "$work/time8.txt")
echo "orvo-batch convert peak memory:                   $(( peak8_kb / 1024 )) MB ($peak8_kb kB)"

if [ "$instructions" = yes ]; then
    [ -x "$(command -v valgrind)" ] || sh "$root/scripts/install-deps.sh" valgrind
    head -c $(( 500 * $(wc -c <"$work/unit.mrc") )) "$work/big.mrc" >"$work/small.mrc"
    count() { valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 >/dev/null | awk '/ refs:/ { gsub(",", "", $NF); print $NF }'; }
    yaz_ir=$(count yaz-marcdump -i marc -o marc "$work/small.mrc")
    ours_ir=$(count "$build/batch/orvo-batch" add-008 --replace "$work/small.mrc" "$work/small-ours.mrc")
    echo "$yaz_ir $ours_ir" | awk '{ printf "instructions, 8 000 records:    yaz %.0f M, ours %.0f M, ratio %.2f\n", $1 / 1e6, $2 / 1e6, $1 / $2 }'
    yazn_ir=$(count yaz-marcdump -n -i marc "$work/small.mrc")
    check_ir=$(count "$build/batch/orvo-batch" check "$work/small.mrc")
    echo "$yazn_ir $check_ir" | awk '{ printf "instructions a record:          yaz -n %.0f, check %.0f, ratio %.2f\n", $1 / 8000, $2 / 8000, $2 / $1 }'
fi
