#!/bin/bash
# The test command: installs what is missing, builds, and runs every test
# program under Wine, with an X server for the windows and dialogs.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${TAVIX_BUILD_DIR:-$root/build}"

bash "$root/scripts/build.sh"

# The end-to-end tests also run on the shipped i686 files where 32-bit Wine
# can start a program. That is asked once per run, here; CTest registers
# those tests when TAVIX_I686_WINEPREFIX names their prefix.
i686_prefix="$build/x86_64/wineprefix-i686"
unset TAVIX_I686_WINEPREFIX
if reason=$(bash "$root/scripts/wine32-probe" "$i686_prefix" "$build/wine32-probe"); then
  export TAVIX_I686_WINEPREFIX="$i686_prefix"
  echo "i686 end-to-end tests: run with 32-bit Wine in $i686_prefix"
else
  echo "i686 end-to-end tests skipped: $reason"
fi

# The end-to-end tests through the TWAIN Working Group's TWAIN 2 manager use
# its release kept beside the repository; without it they are skipped.
twaindsm="$root/../shared/third-party/twaindsm-2.4.3"
if [ ! -f "$twaindsm/x86_64/TWAINDSM.dll" ]; then
  echo "TWAINDSM.DLL end-to-end tests skipped: $(cd "$root/.." && pwd)/shared/third-party/twaindsm-2.4.3 is missing"
fi

cd "$build/x86_64"
status=0
xvfb-run -a -s "-screen 0 1280x1024x24" \
  ctest --output-on-failure --timeout 600 "$@" || status=$?
for prefix in "$build/x86_64/wineprefix" "$i686_prefix"; do
  [ -d "$prefix" ] && WINEPREFIX="$prefix" /usr/lib/wine/wineserver -k 2>/dev/null || true
done
exit $status
