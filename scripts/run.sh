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

if [ -x "$top/build/src/velmora" ]; then
    cd "$data"
    exec "$top/build/src/velmora"
fi
echo "The data directory $data is ready; the program's main window is not part of this build yet."
