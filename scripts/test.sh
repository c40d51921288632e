#!/bin/sh
# Installs what is missing, builds both flavours, and runs every test: the host
# tests, the audit of both programs, the Wine tests under a virtual display (the
# 64-bit flavour's always, the 32-bit one's where the machine runs 32-bit x86
# code), and a bounded fuzzing run of the bitmap reader.
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
./scripts/build.sh
. scripts/flavour.sh

status=0
ctest --test-dir build/host --output-on-failure -j "$(nproc)" || status=1
ctest --test-dir build/program --output-on-failure || status=1
ctest --test-dir build/program64 --output-on-failure || status=1
xvfb-run -a ctest --test-dir build/wine64 --output-on-failure || status=1
if [ -z "$no32bit" ]; then
  xvfb-run -a ctest --test-dir build/wine --output-on-failure || status=1
fi
./scripts/fuzz.sh 30 || status=1
for bits in '' 64; do WINEPREFIX="$PWD/build/wine$bits/wineprefix" wineserver -k 2>/dev/null || true; done
[ -z "$no32bit" ] ||
  echo "The 32-bit flavour's Wine tests did not run: this machine runs no 32-bit x86 code ($no32bit); the 64-bit flavour's ran in their place."
exit $status
