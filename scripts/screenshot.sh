#!/bin/sh
# Screenshot of the main window under a virtual X server, on a fresh data directory.
# Usage: scripts/screenshot.sh [OUT.png]   (default: docs/main-menu.png)
set -eu
top="$(cd "$(dirname "$0")/.." && pwd)"
out="$(realpath -m "${1:-$top/docs/main-menu.png}")"

"$top/scripts/deps.sh" xvfb xauth imagemagick
"$top/scripts/build.sh"
data="$(mktemp -d)"
trap 'rm -rf "$data"' EXIT
"$top/build/tools/velmora-tables" "$data" >/dev/null
mkdir -p "$(dirname "$out")"
cd "$data"
# The splash closes itself after a second; the shot is taken when only the main window is left.
xvfb-run -a -s "-screen 0 1024x800x24" sh -c "
    '$top/build/src/velmora' & pid=\$!
    sleep 3
    import -window root -trim +repage '$out'
    kill \$pid"
echo "$out"
