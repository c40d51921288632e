#!/bin/sh
# Configures and builds the three builds under build/: host (cores and their
# tests), program (tarvex.exe) and wine (the Wine test program).
set -eu
cd "$(dirname "$0")/.."
jobs=$(nproc)

configure() {
  dir=$1; shift
  [ -f "build/$dir/CMakeCache.txt" ] || cmake -S . -B "build/$dir" -DTARVEX_WERROR=ON "$@" >/dev/null
}

configure host -DCMAKE_BUILD_TYPE=Debug
configure program -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=MinSizeRel
configure wine -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DTARVEX_WINE_TESTS=ON -DCMAKE_BUILD_TYPE=Debug \
  -DTARVEX_PROGRAM="$PWD/build/program/tarvex.exe"

for dir in host program wine; do
  cmake --build "build/$dir" -j "$jobs"
done
