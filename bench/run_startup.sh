#!/usr/bin/env bash
# Start-up to the first frame of the main menu against an empty Qt window of the same size ("bare") and the
# same window with one line of text ("text"), as whole processes (what a user waits for): RUNS runs of each
# (30 by default), offscreen and, when xvfb-run is there, on an X server through xcb. Builds the targets it
# needs in BUILD_DIR (default build/, configured when it is not).
set -euo pipefail

# One platform: 3 warm-up runs each, then the three in turn, so that a drift of the machine hits all alike.
if [ "${1:-}" = --measure ]; then
    run() {
        local cmd=("$STARTUP_BIN/startup_$1")
        [ "$1" = text ] && cmd=("$STARTUP_BIN/startup_bare" text)
        local t0=$EPOCHREALTIME
        "${cmd[@]}" 2>/dev/null || { echo "startup $1 failed" >&2; exit 1; }
        local t1=$EPOCHREALTIME
        echo "$1 $(( ${t1//[.,]/} - ${t0//[.,]/} ))"
    }
    for p in bare text velmora; do for _ in 1 2 3; do run $p >/dev/null; done; done
    for ((i = 0; i < STARTUP_RUNS; i++)); do run bare; run text; run velmora; done | sort -k1,1 -k2,2n | awk '
        { t[$1, ++n[$1]] = $2 / 1000; sum[$1] += $2 / 1000 }
        function median(p,  k) { k = n[p]; return k % 2 ? t[p, (k + 1) / 2] : (t[p, k / 2] + t[p, k / 2 + 1]) / 2 }
        END {
            split("bare text velmora", order)
            for (i = 1; i <= 3; i++) { p = order[i]; med[p] = median(p); mean[p] = sum[p] / n[p]
                printf "  %-8s median %6.1f ms  mean %6.1f ms  min %6.1f ms  max %6.1f ms  (%d runs)\n",
                       p, med[p], mean[p], t[p, 1], t[p, n[p]], n[p] }
            printf "  velmora / bare: %.2fx median, %.2fx mean\n", med["velmora"] / med["bare"], mean["velmora"] / mean["bare"]
            printf "  velmora / text: %.2fx median, %.2fx mean\n", med["velmora"] / med["text"], mean["velmora"] / mean["text"]
        }'
    exit 0
fi

root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
[ -f "$build/CMakeCache.txt" ] || cmake -S "$root" -B "$build"
cmake --build "$build" -j2 --target startup_velmora startup_bare velmora-tables >/dev/null

# The data directory as a first start finds it; TMPDIR decides the disk. Qt wants a private runtime directory.
data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
"$build/tools/velmora-tables" "$data/data" >/dev/null
mkdir -m 700 "$data/runtime"
export XDG_RUNTIME_DIR=$data/runtime STARTUP_BIN=$build/bench STARTUP_RUNS=${RUNS:-30}
script=$(cd "$(dirname "$0")" && pwd)/$(basename "$0")
cd "$data/data"

echo "offscreen:"
QT_QPA_PLATFORM=offscreen "$script" --measure
if command -v xvfb-run >/dev/null; then
    echo "xcb (Xvfb):"
    xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb "$script" --measure
fi
