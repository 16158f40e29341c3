#!/bin/sh
# Builds the Debian package build/velmora_1.5.1_amd64.deb and checks it: its contents, and that the unpacked
# tree starts — velmora-tables writes the tables, and the launcher on a new home makes ~/Velmora and starts
# velmora, which shows its main window under a virtual X server (build/package-check.png) and closes cleanly on
# SIGTERM. Then every screen is rendered by velmora-gallery.
set -eu
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/scripts/deps.sh" xvfb xauth imagemagick xdotool
"$top/scripts/build.sh"
cd "$top/build"
rm -f velmora_*.deb
cpack -G DEB >/dev/null
deb="velmora_1.5.1_amd64.deb"
[ -f "$deb" ] || { echo "no $deb" >&2; exit 1; }

contents="$(dpkg-deb --contents "$deb")"
for path in ./usr/bin/velmora ./usr/bin/velmora-tables ./usr/bin/velmora-launcher \
    ./usr/share/applications/velmora.desktop ./usr/share/velmora/tables/seznam_zvirat.db \
    ./usr/share/velmora/tables/phm_nakup.db ./usr/share/icons/hicolor/32x32/apps/velmora.png \
    ./usr/share/icons/hicolor/48x48/apps/velmora.png ./usr/share/icons/hicolor/128x128/apps/velmora.png \
    ./usr/share/icons/hicolor/scalable/apps/velmora.svg; do
    echo "$contents" | grep -q " $path\$" || { echo "$deb lacks $path" >&2; exit 1; }
done
tables="$(echo "$contents" | grep -c '/usr/share/velmora/tables/.*\.db$')"
[ "$tables" -eq 41 ] || { echo "$deb holds $tables tables, not 41" >&2; exit 1; }
dpkg-deb --field "$deb" Depends | grep -q libqt6widgets6 || { echo "no Qt dependency" >&2; exit 1; }

root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"
mkdir "$root/farm"
"$root/usr/bin/velmora-tables" "$root/farm" >/dev/null
[ "$(ls "$root/farm" | wc -l)" -eq 41 ] || { echo "velmora-tables did not write 41 tables" >&2; exit 1; }

# The launcher on a new home: it makes ~/Velmora, copies the tables and starts the program there.
HOME="$root/home" xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
    "$1/usr/bin/velmora-launcher" & pid=$!
    timeout 60 xdotool search --sync --onlyvisible --name "Velmora" >/dev/null
    sleep 2
    import -window root "$2/package-check.png"
    kill -TERM $pid
    wait $pid
' sh "$root" "$top/build"
[ "$(ls "$root/home/Velmora" | wc -l)" -eq 41 ] || { echo "the launcher did not prepare ~/Velmora" >&2; exit 1; }
# Every screen renders offscreen over the sample farm (the README's gallery comes from this tool).
rm -rf gallery-check
tools/velmora-gallery gallery-check >/dev/null
shots="$(ls gallery-check/*.png | wc -l)"
[ "$shots" -ge 37 ] || { echo "velmora-gallery rendered $shots screens, not 37" >&2; exit 1; }

echo "$deb: contents, tables, start and clean close checked; screenshot build/package-check.png; $shots screens rendered"
