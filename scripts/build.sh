#!/bin/bash
# Installs what is missing and builds both trees:
#   build/i686    the shipped 32-bit TAVIXSRC.ds, BRSVIO.DLL, setup.exe
#   build/x86_64  the same sources for 64-bit Wine, with the test programs
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${TAVIX_BUILD_DIR:-$root/build}"

bash "$root/scripts/install-deps.sh"

configure() {
  local arch="$1"; shift
  cmake -S "$root" -B "$build/$arch" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw.cmake" \
    -DTAVIX_ARCH="$arch" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
  cmake --build "$build/$arch"
}

configure i686 -DTAVIX_BUILD_TESTS=OFF
configure x86_64 -DTAVIX_I686_BINARY_DIR="$build/i686"
echo "build: done ($build)"
