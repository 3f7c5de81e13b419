#!/usr/bin/env bash
# Installs everything the build, the tests and the peer tools need on Debian 12 (run as root).
# Idempotent: when every package is present it only checks and returns.
set -euo pipefail

packages=(
  wine wine32:i386 wine64 xvfb xauth
  gcc-mingw-w64-i686-posix g++-mingw-w64-i686-posix
  gcc-mingw-w64-i686-win32 g++-mingw-w64-i686-win32
  gcc-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-posix
  libz-mingw-w64-dev binutils-source cmake ninja-build g++ googletest
  x11-apps imagemagick fonts-wqy-zenhei
  gcab cabextract xz-utils zip unzip p7zip-full python3
)

missing() {
  local p
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${db:Status-Status}\n' "$p" 2>/dev/null | grep -qx installed || echo "$p"
  done
}

if [ -z "$(missing)" ]; then
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "bootstrap: missing packages and not root:" $(missing) >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
apt-get update -q
apt-get install -y -q --no-install-recommends "${packages[@]}"
