#!/bin/bash
# The main job: installs what is missing, builds, prepares a Wine prefix with
# the data source registered where Wine's TWAIN manager looks for it and the
# virtual scanner where the data source loads it, then talks to the source
# through the real manager with the command-line client, which scans a page
# from the virtual scanner and writes it to a BMP file.
#
#   scripts/scan.sh                  one colour page at 150 dpi -> out/page-1.bmp
#   scripts/scan.sh --sheets DIR     every *.bmp in DIR as a sheet in the feeder,
#                                    scanned as a batch -> out/sheet-1.bmp ...
#   scripts/scan.sh --ui             the source's own scanner dialog: pick a
#                                    preset or press Scan -> out/page-1.bmp
#                                    (needs a display; --ui-only edits the
#                                    settings without scanning)
#   scripts/scan.sh [--sheets DIR] [client options]
#                                    the client's own options (see --help)
#
# Environment: TAVIX_BUILD_DIR (default build/), TAVIX_PREFIX (default
# out/wineprefix), TAVIX_OUT (default out/).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${TAVIX_BUILD_DIR:-$root/build}"
out="${TAVIX_OUT:-$root/out}"
export WINEPREFIX="${TAVIX_PREFIX:-$out/wineprefix}"

# The scanner dialog is a window: without a display the client would wait
# for a user who cannot see it.
for arg in "$@"; do
  if { [ "$arg" = "--ui" ] || [ "$arg" = "--ui-only" ]; } && [ -z "${DISPLAY:-}" ]; then
    echo "scan: $arg shows the scanner dialog, which needs a display; DISPLAY is not set." >&2
    echo "scan: run it on a desktop, or give it a virtual one: xvfb-run -a bash scripts/scan.sh $arg" >&2
    exit 2
  fi
done

# Only what the main job runs: the test programs are the test command's.
bash "$root/scripts/build.sh" --products
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
defaults=(--scan --pixel-type rgb --resolution 150 --indicators off --out page)
if [ "${1:-}" = "--sheets" ]; then
  [ $# -ge 2 ] && [ -d "$2" ] || { echo "scan: --sheets needs a folder of .bmp files" >&2; exit 2; }
  sheets="$(cd "$2" && pwd)"
  shift 2
  # The virtual scanner reads its control file when the source opens it.
  printf '[scanner]\r\nsource=folder\r\nfolder=Z:%s\r\n' "$sheets" > "$out/scanner.ini"
  export BRSVIO_CONTROL="Z:$out/scanner.ini"
  defaults=(--scan --pixel-type rgb --resolution 150 --indicators off --detect-eop on
            --pages -1 --batch --out sheet)
fi
[ $# -eq 0 ] && set -- "${defaults[@]}"
# Alone, --ui keeps the file name of the default scan.
[ "$*" = "--ui" ] && set -- --ui --out page
stamp="$out/.scan-started"
touch "$stamp"
rm -f "$out"/page-*.bmp "$out"/sheet-*.bmp
status=0
"$root/scripts/wine-run" "$bin/tavix-twain.exe" "$@" || status=$?
find "$out" -maxdepth 1 -name '*.bmp' -newer "$stamp" | sort -V | while read -r page; do
  echo "scan: page written to $page"
done
rm -f "$stamp"
exit $status
