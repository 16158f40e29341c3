#!/bin/sh
# Builds Velmora with AddressSanitizer and UndefinedBehaviorSanitizer in build-asan/ (-O1) and runs all tests
# under them; any report fails the run.
set -eu
cd "$(dirname "$0")/.."
scripts/deps.sh
[ -f build-asan/CMakeCache.txt ] || cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug \
    -DVELMORA_BUILD_BENCH=OFF \
    -DCMAKE_CXX_FLAGS="-O1 -g -fno-omit-frame-pointer -fsanitize=address,undefined -fno-sanitize-recover=all" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
cmake --build build-asan -j2
cd build-asan
# Leaks are not checked: Qt and fontconfig keep caches for the life of the process on purpose. A report ends
# the test with exit code 1 (no abort: QtTest would try to attach a debugger to print a stack).
ASAN_OPTIONS=detect_leaks=0:strict_string_checks=1 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest -j2 --output-on-failure
