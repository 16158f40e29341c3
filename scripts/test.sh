#!/bin/sh
# Installs what is missing, builds Velmora and runs all tests.
set -eu
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/scripts/deps.sh"
"$top/scripts/build.sh"
cd "$top/build"
ctest -j2 --output-on-failure
