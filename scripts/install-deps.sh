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
wine32=no
if bash "$root/scripts/kernel-runs-i386" >/dev/null; then
  wine32=yes
  packages+=(wine32:i386
    libxrender1:i386 libxcursor1:i386 libxi6:i386 libxrandr2:i386 libxfixes3:i386
    libxinerama1:i386 libxcomposite1:i386)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: everything is installed"
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; fi
echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
if [ $wine32 = yes ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  echo "install-deps: adding the i386 architecture for wine32"
  $SUDO dpkg --add-architecture i386
fi
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
