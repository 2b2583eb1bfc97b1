#!/bin/bash
# The main job: installs what is missing, builds, prepares a Wine prefix with
# the data source registered where Wine's TWAIN manager looks for it and the
# virtual scanner where the data source loads it, then talks to the source
# through the real manager with the command-line client.
#
#   scripts/scan.sh [client options...]
#
# Environment: TAVIX_BUILD_DIR (default build/), TAVIX_PREFIX (default
# out/wineprefix), TAVIX_OUT (default out/).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${TAVIX_BUILD_DIR:-$root/build}"
out="${TAVIX_OUT:-$root/out}"
export WINEPREFIX="${TAVIX_PREFIX:-$out/wineprefix}"

bash "$root/scripts/build.sh"
bin="$build/x86_64/bin"

mkdir -p "$out"
"$root/scripts/wine-prefix-init" "$WINEPREFIX" >/dev/null
windows="$WINEPREFIX/drive_c/windows"
# Wine's 64-bit manager probes only C:\windows\twain_64\sane.ds and
# gphoto2.ds (its 32-bit one looks in twain_32); on Windows the file is
# C:\windows\twain_32\TAVIXSRC.ds.
mkdir -p "$windows/twain_64"
cp "$bin/TAVIXSRC.ds" "$windows/twain_64/sane.ds"
cp "$bin/scanner/BRSVIO.DLL" "$windows/system32/BRSVIO.DLL"
echo "scan: data source installed as C:\\windows\\twain_64\\sane.ds in $WINEPREFIX"

cd "$out"
"$root/scripts/wine-run" "$bin/tavix-twain.exe" "$@"
