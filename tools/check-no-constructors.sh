#!/bin/sh
# The program has no C runtime, so nothing would run static constructors: every
# global must be initialised at compile time. Fails on any object file that
# carries a constructor table.
# Usage: check-no-constructors.sh <object file>... (CMake may pass them as one ";" list)
# OBJDUMP names an objdump that reads them (the 32-bit one's by default).
set -u
OBJDUMP=${OBJDUMP:-i686-w64-mingw32-objdump}
IFS=';'
# shellcheck disable=SC2086,SC2048
set -- $*
unset IFS
found=$(for object in "$@"; do
  case $object in *.obj | *.o) ;; *) continue ;; esac
  sections=$("$OBJDUMP" -h "$object") || { echo "$object: unreadable"; continue; }
  printf '%s\n' "$sections" | awk -v file="$object" '$2 ~ /^\.(ctors|init_array)/ { print file ": " $2 }'
done)
if [ -n "$found" ]; then
  printf 'FAIL: static constructors, which nothing runs, or objects unread:\n%s\n' "$found"
  exit 1
fi
echo "no static constructors in the object files"
