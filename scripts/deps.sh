#!/bin/sh
# Installs the Debian packages Velmora needs to build, run and test, where they are missing.
set -eu

PACKAGES="cmake make g++ qt6-base-dev qt6-translations-l10n libsqlite3-dev libbenchmark-dev fonts-liberation2"
# Extra packages a caller needs besides, e.g. for screenshots: scripts/deps.sh xvfb xauth imagemagick
PACKAGES="$PACKAGES $*"

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
[ -z "$missing" ] && exit 0

echo "Installing:$missing"
if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi
$SUDO apt-get update
# shellcheck disable=SC2086
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $missing
