#!/bin/sh
# Installs what is missing, builds, and runs every test: the host tests, the
# import audit of tarvex.exe, the Wine tests under a virtual display, and a
# bounded fuzzing run of the bitmap reader.
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
./scripts/build.sh

status=0
ctest --test-dir build/host --output-on-failure -j "$(nproc)" || status=1
ctest --test-dir build/program --output-on-failure || status=1
xvfb-run -a ctest --test-dir build/wine --output-on-failure || status=1
./scripts/fuzz.sh 30 || status=1
WINEPREFIX="$PWD/build/wine/wineprefix" wineserver -k 2>/dev/null || true
exit $status
