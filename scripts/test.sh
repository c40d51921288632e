#!/bin/sh
# Installs what is missing, builds both flavours, and runs every test: the host
# tests, the audit of both programs, the Wine tests under a virtual display (the
# 64-bit flavour's always, the 32-bit one's where 32-bit Wine runs), and a
# bounded fuzzing run of the bitmap reader.
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
./scripts/build.sh
. scripts/flavour.sh

status=0
# A folder that lost its tests fails rather than passing with none run.
run_tests() { # [xvfb-run -a] ctest --test-dir <folder> [arguments]...
  "$@" --no-tests=error --output-on-failure || status=1
}
run_tests ctest --test-dir build/host -j "$(nproc)"
run_tests ctest --test-dir build/program
run_tests ctest --test-dir build/program64
run_tests xvfb-run -a ctest --test-dir build/wine64
[ -n "$no32bit" ] || run_tests xvfb-run -a ctest --test-dir build/wine
./scripts/fuzz.sh 30 || status=1
[ -z "$no32bit" ] ||
  echo "The 32-bit flavour's Wine tests did not run: $no32bit; the 64-bit flavour's ran in their place."
exit $status
