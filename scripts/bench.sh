#!/bin/bash
# The transfer benchmark: builds tavix-bench in the x86_64 tree of
# scripts/build.sh (with the data source and the virtual scanner it measures),
# runs it under 64-bit Wine in that tree's own prefix and prints the report,
# which also goes to out/bench.txt. Extra arguments go to the benchmark
# (--runs N, --quick). It judges the targets but asserts nothing: the exit
# code is non-zero only when a measurement could not be made.
# With --preview first it runs tavix-preview-bench instead (the preview's
# re-rendering; report in out/bench-preview.txt), with --dialog first
# tavix-dialog-bench (the scanner dialog's opening against a bare property
# sheet; report in out/bench-dialog.txt).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${TAVIX_BUILD_DIR:-$root/build}"
tree="$build/x86_64"
target=tavix-bench
report=bench.txt
if [ "${1:-}" = "--preview" ]; then
  shift
  target=tavix-preview-bench
  report=bench-preview.txt
elif [ "${1:-}" = "--dialog" ]; then
  shift
  target=tavix-dialog-bench
  report=bench-dialog.txt
fi

if [ -f "$tree/build.ninja" ]; then
  # A tree configured before bench/ existed does not know the target yet.
  ninja -C "$tree" -t query "$target" >/dev/null 2>&1 || cmake "$tree" >/dev/null
  ninja -C "$tree" "$target" >&2
else
  bash "$root/scripts/build.sh"
fi

export WINEPREFIX="$tree/wineprefix"
"$root/scripts/wine-prefix-init" "$WINEPREFIX" >/dev/null
mkdir -p "$root/out"

bench=("$root/scripts/wine-run" "$tree/bin/$target.exe" "$@")
# The data source needs a window for its parent, and so an X display.
if [ -z "${DISPLAY:-}" ]; then
  bench=(xvfb-run -a -s "-screen 0 1280x1024x24" "${bench[@]}")
fi
status=0
# With pipefail the pipeline fails with the benchmark's code, not tee's success.
"${bench[@]}" | tee "$root/out/$report" || status=$?
echo "bench: report written to $root/out/$report" >&2
exit "$status"
