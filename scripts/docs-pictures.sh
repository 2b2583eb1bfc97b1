#!/bin/bash
# Refreshes the README's pictures in docs/: the scanner dialog's four pages in
# English and its Custom Settings page in German, as the test command's
# scanner dialog tests show them (the installed virtual scanner, a preview of
# its page). Installs, builds and runs those tests first.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${TAVIX_BUILD_DIR:-$root/build}"
shots="$build/x86_64/screenshots"

rm -f "$shots"/scanner-sheet-*.png
bash "$root/scripts/test.sh" -R '^ui_scanner_sheet_tests$'

# screenshot -> picture of the README
pictures=(
  scanner-sheet-en-page0.png:scanner-dialog.png
  scanner-sheet-en-page1.png:custom-settings.png
  scanner-sheet-en-page2.png:information.png
  scanner-sheet-en-page3.png:language.png
  scanner-sheet-de-page1.png:custom-settings-de.png
)
for pair in "${pictures[@]}"; do
  from="$shots/${pair%%:*}" to="$root/docs/${pair#*:}"
  [ -s "$from" ] || { echo "docs-pictures: the tests wrote no $from" >&2; exit 1; }
  cp "$from" "$to"
  echo "docs/${pair#*:} <- ${pair%%:*}"
done
