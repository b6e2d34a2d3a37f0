#!/bin/sh
# Runs the libFuzzer targets (fuzz/) for a while each, natively, with clang,
# AddressSanitizer and UndefinedBehaviorSanitizer.
#
#   sh scripts/fuzz.sh [TARGET] [SECONDS]      (defaults: every target, 20 s each)
#   TARGET: FuzzIso2709, FuzzMarcMaker, FuzzRecordPieces, FuzzGeneric008,
#           Fuzz856Field or FuzzCharacterSet (or "all")
#
# Seeds come from tests/data/samples and tests/data/charset: each record file
# and each of its records; for the MARCMaker reader, the same records as
# MARCMaker text; for the pieces target both, and files made here with a byte
# order mark, CR LF line ends, comments, long filler and alphabetic tags. The corpus each
# target grows is kept in build/fuzz/corpus/TARGET, so later runs go on from it.
# A finding (crash, leak, sanitizer report) is saved in build/fuzz/findings/ and
# makes the script fail; replay it with build/fuzz/fuzz/TARGET FILE.
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
target=${1:-all}
seconds=${2:-20}
samples=$root/tests/data/samples
build=$root/build/fuzz
all="FuzzIso2709 FuzzMarcMaker FuzzRecordPieces FuzzGeneric008 Fuzz856Field FuzzCharacterSet"
[ "$target" = all ] && targets=$all || targets=$target

sh "$root/scripts/install-deps.sh" clang libclang-rt-14-dev
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVO_FUZZ=ON >/dev/null
cmake --build "$build" -j2 --target $targets orvo-batch >/dev/null

# Seeds: the sample files, each record on its own, and their MARCMaker text.
seeds=$build/seeds
rm -rf "$seeds"
mkdir -p "$seeds/iso" "$seeds/mrk"
for f in "$samples"/*.usmarc "$root"/tests/data/charset/*.mrc; do
    name=$(basename "$f" .usmarc)
    cp "$f" "$seeds/iso/$name"
    # Records split at each record terminator (0x1D).
    awk -v RS='\035' -v ORS='\035' -v out="$seeds/iso/$name-" 'length($0) > 0 { print > (out NR) }' "$f" 2>/dev/null || true
    "$build/batch/orvo-batch" add-008 "$f" "$seeds/mrk/$name.mrk" 2>/dev/null || true
done

# Odd but valid files for the pieces target.
mkdir -p "$seeds/pieces"
cp "$seeds"/iso/* "$seeds"/mrk/* "$seeds/pieces/"
first=$(ls "$seeds"/mrk/*.mrk | head -n 1)
printf '\357\273\277# exported\r\n\r\n' > "$seeds/pieces/bom-crlf.mrk"
sed 's/$/\r/' "$first" >> "$seeds/pieces/bom-crlf.mrk"
printf '=LDR  00000nam\\a2200000\\a\\4500\n=CAT  \\\\$aLocal\n=LKR  \\\\$aLink{copy}' > "$seeds/pieces/alphabetic.mrk"
iso=$(ls "$seeds"/iso/* | head -n 1)
{ cat "$iso"; head -c 120000 /dev/zero; cat "$iso"; printf '   \n'; } > "$seeds/pieces/long-filler"
printf '00048nam  2200037   4500CAT001000000\036  \037aLocal\036\035' > "$seeds/pieces/alphabetic.iso"

mkdir -p "$build/findings"
failed=0
for t in $targets; do
    len=100000
    case $t in
        FuzzMarcMaker) seed=$seeds/mrk ;;
        FuzzRecordPieces) seed=$seeds/pieces; len=200000 ;;
        *) seed=$seeds/iso ;;
    esac
    corpus=$build/corpus/$t
    mkdir -p "$corpus"
    log=$build/$t.log
    echo "== $t, $seconds s"
    if ! "$build/fuzz/$t" -max_total_time="$seconds" -print_final_stats=1 -max_len=$len -timeout=10 \
        -artifact_prefix="$build/findings/$t-" "$corpus" "$seed" >"$log" 2>&1; then
        failed=1
        tail -n 40 "$log"
    fi
    grep -E '^#[0-9]+[[:space:]]+DONE' "$log" | tail -n 1 || true
    grep -E 'stat::number_of_executed_units|stat::peak_rss_mb' "$log" || true
    echo "corpus: $(ls "$corpus" | wc -l) inputs; findings: $(ls "$build/findings" | grep -c "^$t-" || true)"
done
exit $failed
