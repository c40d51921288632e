#!/bin/sh
# Configures one build folder with the settings given, every time, so that a
# folder made before a setting existed takes it up. A folder whose first
# configure failed or was cut short holds a cache but no Makefile: it starts
# afresh, or it would keep what that configure found missing.
#   scripts/configure.sh <folder> [cmake arguments]...
set -eu
folder=$1
shift
[ -f "$folder/Makefile" ] || rm -rf "$folder/CMakeCache.txt" "$folder/CMakeFiles"
cmake -S "$(dirname "$0")/.." -B "$folder" "$@" >/dev/null
