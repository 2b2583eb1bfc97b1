#!/bin/bash
# Installs what the build and the tests need on Debian 12, only what is missing.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

packages=(
  cmake ninja-build
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
  binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
  wine wine64 fonts-wine
  xvfb xauth x11-utils imagemagick
  googletest
  # the artwork generator, a program for this machine: compiler, FreeType, fonts
  g++ libfreetype-dev fonts-dejavu-core
  wixl msitools
  locales-all
)

# 32-bit Wine, for the end-to-end tests of the shipped i686 files, only where
# the kernel starts 32-bit programs at all: elsewhere it could never run. The
# X libraries are the ones 64-bit Wine's windows have here; Wine only
# recommends them.
wine32_packages=()
if bash "$root/scripts/kernel-runs-i386" >/dev/null; then
  wine32_packages=(wine32:i386
    libxrender1:i386 libxcursor1:i386 libxi6:i386 libxrandr2:i386 libxfixes3:i386
    libxinerama1:i386 libxcomposite1:i386)
fi

missing_of() {
  local p
  for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      echo "$p"
    fi
  done
}
mapfile -t missing < <(missing_of "${packages[@]}")
mapfile -t missing32 < <(missing_of "${wine32_packages[@]}")

if [ ${#missing[@]} -eq 0 ] && [ ${#missing32[@]} -eq 0 ]; then
  echo "install-deps: everything is installed"
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; fi
echo "install-deps: installing ${missing[*]} ${missing32[*]}"
export DEBIAN_FRONTEND=noninteractive
if [ ${#missing32[@]} -gt 0 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  echo "install-deps: adding the i386 architecture for wine32"
  $SUDO dpkg --add-architecture i386
fi
# A mirror in the middle of a sync answers with index files of the wrong
# size for a minute or so: try again, and in the end go on with the lists
# that did arrive, since install names any package that is really missing.
for attempt in 1 2 3; do
  if $SUDO apt-get update -q; then break; fi
  if [ $attempt -eq 3 ]; then
    echo "install-deps: apt-get update failed three times; installing from the package lists there are" >&2
  else
    sleep 20
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
# 32-bit Wine only serves the i686 end-to-end tests, which the test command
# skips, saying why, where it is missing: a mirror whose i386 lists lag
# behind the 64-bit ones must not stop the build.
if [ ${#missing32[@]} -gt 0 ] &&
   ! $SUDO apt-get install -y -q --no-install-recommends "${missing32[@]}"; then
  echo "install-deps: 32-bit Wine could not be installed; the i686 end-to-end tests will be skipped" >&2
fi
