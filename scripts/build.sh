#!/bin/sh
# Configures (once) and builds Velmora in build/, incrementally.
set -eu
cd "$(dirname "$0")/.."
[ -f build/CMakeCache.txt ] || cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2
