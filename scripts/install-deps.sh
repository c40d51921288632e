#!/bin/sh
# Installs what the build and the tests need on Debian 12; quick when all is there.
set -eu

need=""
for pkg in cmake g++ make halibut googletest libgtest-dev zlib1g-dev mingw-w64 wine wine32:i386 wine64 xvfb xauth binutils-mingw-w64-i686 binutils-mingw-w64-x86-64 fio zip clang libclang-rt-14-dev; do
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || need="$need $pkg"
done
[ -z "$need" ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "missing packages:$need (run as root to install them)" >&2
  exit 1
fi
dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends $need >/dev/null
