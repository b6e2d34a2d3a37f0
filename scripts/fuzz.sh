#!/bin/sh
# Builds the libFuzzer targets (fuzz/, clang with AddressSanitizer and
# UndefinedBehaviorSanitizer) in build/fuzz and runs each for SECONDS
# (default 20), with its corpus in build/fuzz/corpus/<target>. Fails when a
# target finds a crash; the reproducer is left in build/fuzz.
#
#   sh scripts/fuzz.sh [SECONDS]
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-20}
build=$root/build/fuzz
cmake -S "$root/fuzz" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j 2 >/dev/null
for target in "$root"/fuzz/T*Fuzzer.cpp; do
    name=$(basename "$target" .cpp)
    mkdir -p "$build/corpus/$name"
    echo "== $name for $seconds s"
    log=$build/$name.log
    if (cd "$build" && "./$name" -max_total_time="$seconds" -print_final_stats=1 "corpus/$name" >"$log" 2>&1); then
        grep -E '^(#[0-9]+[[:space:]]+DONE|stat::number_of_executed_units|stat::peak_rss_mb)' "$log" || true
    else
        tail -n 40 "$log"
        echo "$name found a fault: see $log and the crash file in $build" >&2
        exit 1
    fi
done
