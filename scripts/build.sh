#!/bin/sh
# Configures and builds the five builds under build/: host (cores and their
# tests), and of each flavour of the program, 32-bit and 64-bit, the program
# (program, program64: tarvex.exe) and the Wine test program (wine, wine64).
set -eu
cd "$(dirname "$0")/.."
. scripts/flavour.sh
jobs=$(nproc)

# Every run configures every folder with its settings: a folder made before a
# setting existed takes it up, and one whose configure failed is configured again.
configure() { # <folder under build/> [cmake arguments]...
  folder=build/$1
  shift
  cmake -S . -B "$folder" -DTARVEX_WERROR=ON "$@" >/dev/null
}

configure host -DCMAKE_BUILD_TYPE=Debug
for processor in i686 x86_64; do
  if [ $processor = i686 ]; then bits= loader=$wine32; else bits=64 loader=$wine64; fi
  configure "program$bits" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-$processor.cmake -DCMAKE_BUILD_TYPE=MinSizeRel
  configure "wine$bits" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-$processor.cmake -DTARVEX_WINE_TESTS=ON \
    -DCMAKE_BUILD_TYPE=Debug -DTARVEX_PROGRAM="$PWD/build/program$bits/tarvex.exe" -DWINE="$loader"
done

for dir in host program wine program64 wine64; do
  cmake --build "build/$dir" -j "$jobs"
done
