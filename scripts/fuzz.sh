#!/bin/sh
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each for FUZZ_SECONDS (default 60) from the
# seed corpus in fuzz/corpus; a crash, a hang or a sanitizer report fails the run (the input is kept in
# build-fuzz/ as crash-*, timeout-* or oom-*).
set -eu
cd "$(dirname "$0")/.."
seconds="${FUZZ_SECONDS:-60}"
scripts/deps.sh clang libclang-rt-14-dev
[ -f build-fuzz/CMakeCache.txt ] || CC=clang CXX=clang++ cmake -S . -B build-fuzz -DVELMORA_FUZZ=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build-fuzz -j2
for target in querytext dateentry numberentry tablefile; do
    work="build-fuzz/corpus/$target"
    mkdir -p "$work"
    echo "== fuzz_$target for $seconds s"
    (cd build-fuzz && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
        "./fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        "corpus/$target" "../fuzz/corpus/$target")
done
