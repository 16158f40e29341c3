#!/bin/sh
# Builds Velmora, prepares a data directory with the installation tables and starts the program there.
# Usage: scripts/run.sh [DATA_DIRECTORY]   (default: ~/Velmora)
set -eu
top="$(cd "$(dirname "$0")/.." && pwd)"
data="${1:-$HOME/Velmora}"

"$top/scripts/deps.sh"
"$top/scripts/build.sh"
mkdir -p "$data"
"$top/build/tools/velmora-tables" "$data"

cd "$data"
exec "$top/build/src/velmora"
