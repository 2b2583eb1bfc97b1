#!/bin/bash
# The main job: installs what is missing, builds, prepares a Wine prefix with
# the data source registered where Wine's TWAIN manager looks for it and the
# virtual scanner where the data source loads it, then talks to the source
# through the real manager with the command-line client, which scans a page
# from the virtual scanner and writes it to a BMP file.
#
#   scripts/scan.sh                  one colour page at 150 dpi -> out/page-1.bmp
#   scripts/scan.sh [client options] the client's own options (see --help)
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
rm -f "$out"/page-*.bmp
if [ $# -eq 0 ]; then
  set -- --scan --pixel-type rgb --resolution 150 --indicators off --out page
fi
"$root/scripts/wine-run" "$bin/tavix-twain.exe" "$@"
for page in "$out"/page-*.bmp; do
  [ -e "$page" ] && echo "scan: page written to $page"
done
