#!/bin/bash
# The test command: installs what is missing, builds, and runs every test
# program under Wine, with an X server for the windows and dialogs.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${TAVIX_BUILD_DIR:-$root/build}"

bash "$root/scripts/build.sh"

cd "$build/x86_64"
status=0
xvfb-run -a -s "-screen 0 1280x1024x24" \
  ctest --output-on-failure --timeout 600 "$@" || status=$?
WINEPREFIX="$build/x86_64/wineprefix" /usr/lib/wine/wineserver -k 2>/dev/null || true
exit $status
