#!/bin/sh
# The differential test of orvo-batch convert against yaz-marcdump (Debian's yaz),
# record by record, over every record of the sample files and of tests/data/charset:
#   a MARC-8 record (Leader/09 blank): convert --to utf-8 against
#     yaz-marcdump -f MARC-8 -t UTF-8 -l 9=97 -o marc, then that UTF-8 record back
#     with convert --to marc-8 against yaz-marcdump -f UTF-8 -t MARC-8 -l 9=32 -o marc;
#   a UTF-8 record (Leader/09 a): the way back only.
# The outputs must agree byte for byte, except where tests/data/charset/known-differences.txt
# lists the record and direction (README, "Character sets", says why ours is right).
#
#   sh tests/charset-vs-yaz.sh ORVO_BATCH SAMPLES_DIR DATA_DIR WORK_DIR
set -e
batch=$1
samples=$2
data=$3
work=$4
known=$data/charset/known-differences.txt
command -v yaz-marcdump >/dev/null || { echo "yaz-marcdump is missing (apt-get install yaz)"; exit 1; }
rm -rf "$work"
mkdir -p "$work"
records=0 agreed=0 listed=0 failed=0

# compare NAME DIRECTION OURS YAZ
compare() {
    if cmp -s "$3" "$4"; then
        agreed=$((agreed + 1))
    elif grep -qxF "$1 $2" "$known"; then
        listed=$((listed + 1))
    else
        failed=$((failed + 1))
        echo "== $1 $2: orvo-batch and yaz-marcdump differ"
        yaz-marcdump "$3" > "$work/ours.txt" 2>&1 || true
        yaz-marcdump "$4" > "$work/yaz.txt" 2>&1 || true
        diff "$work/ours.txt" "$work/yaz.txt" | head -n 20 || true
    fi
}

for file in "$samples"/*.usmarc "$data"/charset/*.mrc; do
    base=$(basename "$file")
    rm -f "$work"/rec-*
    awk -v RS='\035' -v ORS='\035' -v out="$work/rec-" 'length($0) > 0 { print > (out NR) }' "$file"
    for rec in $(ls "$work"/rec-* | sort -t- -k2 -n); do
        number=${rec##*-}
        name="$base#$number"
        records=$((records + 1))
        leader09=$(dd if="$rec" bs=1 skip=9 count=1 2>/dev/null)
        if [ "$leader09" = " " ]; then
            "$batch" convert --to utf-8 "$rec" "$work/ours.mrc" 2>/dev/null || true
            yaz-marcdump -f MARC-8 -t UTF-8 -l 9=97 -o marc "$rec" > "$work/yaz.mrc" 2>/dev/null || true
            compare "$name" to-utf-8 "$work/ours.mrc" "$work/yaz.mrc"
            utf8=$work/utf8.mrc
            cp "$work/ours.mrc" "$utf8"
        elif [ "$leader09" = "a" ]; then
            utf8=$rec
        else
            continue
        fi
        "$batch" convert --to marc-8 "$utf8" "$work/ours.mrc" 2>/dev/null || true
        yaz-marcdump -f UTF-8 -t MARC-8 -l 9=32 -o marc "$utf8" > "$work/yaz.mrc" 2>/dev/null || true
        compare "$name" to-marc-8 "$work/ours.mrc" "$work/yaz.mrc"
    done
done
echo "$records records: $agreed conversions agree with yaz-marcdump byte for byte, $listed differ as listed, $failed differ otherwise"
[ "$failed" -eq 0 ]
