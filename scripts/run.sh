#!/bin/sh
# Installs what is missing, builds, runs the Wine-side checks, and starts
# tarvex.exe under Wine when there is a display to show it on.
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
./scripts/build.sh

xvfb-run -a ctest --test-dir build/wine --output-on-failure
export WINEPREFIX="$PWD/build/wine/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ -n "${DISPLAY:-}" ]; then
  wine build/program/tarvex.exe
else
  echo "No display: tarvex.exe was built (build/program/tarvex.exe) but not started."
fi
