#!/bin/bash
# Installs what is missing and builds both trees:
#   build/i686    the shipped 32-bit TAVIXSRC.ds, BRSVIO.DLL, setup.exe
#   build/x86_64  the same sources for 64-bit Wine, with the test programs
#
#   scripts/build.sh              everything, the test programs included
#   scripts/build.sh --products   only the product binaries and the client of
#                                 both trees: what the main job runs
# Both ways configure the trees alike, so one after the other only builds more.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${TAVIX_BUILD_DIR:-$root/build}"

targets=()
case "${1:-}" in
  "") ;;
  --products) targets=(TAVIXSRC BRSVIO setup tavix-twain) ;;
  *) echo "build: unknown argument \"$1\" (--products or nothing)" >&2; exit 2 ;;
esac

bash "$root/scripts/install-deps.sh"

configure() {
  local arch="$1"; shift
  cmake -S "$root" -B "$build/$arch" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw.cmake" \
    -DTAVIX_ARCH="$arch" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
  if [ ${#targets[@]} -gt 0 ]; then
    cmake --build "$build/$arch" --target "${targets[@]}"
  else
    cmake --build "$build/$arch"
  fi
}

configure i686 -DTAVIX_BUILD_TESTS=OFF
configure x86_64 -DTAVIX_I686_BINARY_DIR="$build/i686"
echo "build: done ($build)"
