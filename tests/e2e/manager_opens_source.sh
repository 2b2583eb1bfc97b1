#!/bin/bash
# Installs the data source where Wine's 64-bit TWAIN manager probes for it,
# lists the sources and opens "Tavix Scanner" through the manager, then
# removes what it installed.
set -uo pipefail
bin="$1"
windows="$WINEPREFIX/drive_c/windows"
run() { "$TAVIX_SOURCE_DIR/scripts/wine-run" "$@"; }

cleanup() { rm -f "$windows/twain_64/sane.ds" "$windows/system32/BRSVIO.DLL"; }
trap cleanup EXIT

fail() { echo "FAILED: $*"; echo "--- client output:"; echo "$output"; exit 1; }

mkdir -p "$windows/twain_64"
cp "$bin/TAVIXSRC.ds" "$windows/twain_64/sane.ds"

# Without the scanner library the source reports itself unavailable, so the
# manager does not list it.
output=$(run "$bin/tavix-twain.exe" --list 2>&1)
grep -q '"Tavix Scanner"' <<<"$output" && fail "listed without BRSVIO.DLL"

cp "$bin/scanner/BRSVIO.DLL" "$windows/system32/BRSVIO.DLL"
output=$(run "$bin/tavix-twain.exe" --list --source "Tavix Scanner" 2>&1)
status=$?
[ $status -eq 0 ] || fail "client exit status $status"
grep -q '^source "Tavix Scanner"' <<<"$output" || fail "source not listed"
grep -q 'manufacturer:   Orvane Imaging Systems' <<<"$output" || fail "manufacturer"
grep -q 'version:        3.4 (3.4.2.1)' <<<"$output" || fail "version"
grep -q 'protocol:       1.9' <<<"$output" || fail "protocol"
grep -q 'transfer group: DG_IMAGE' <<<"$output" || fail "transfer group through the manager"
grep -q 'closed "Tavix Scanner"' <<<"$output" || fail "close"
echo "$output"
