#!/bin/sh
# Checks that tarvex.exe can load on Windows 95 retail and run on a 486:
# 4.0 OS and subsystem versions, GUI subsystem, imports only from KERNEL32,
# USER32 and GDI32, only KERNEL32 names that Windows 95 exports, no Unicode
# functions except the few that work there, no GetDiskFreeSpaceExA (missing
# before OSR2, so looked up at run time) and no P6 conditional moves.
# Usage: audit-imports.sh <tarvex.exe> <folder with the Windows 95 lists>
set -u
OBJDUMP=${OBJDUMP:-i686-w64-mingw32-objdump}

fail() { echo "audit-imports: $*" >&2; exit 2; }
[ $# -eq 2 ] || fail "usage: $0 <program.exe> <win95 list folder>"
exe=$1 lists=$2
[ -f "$exe" ] || fail "$exe: no such file"
for f in kernel32-exports.txt working-w-functions.txt; do
  [ -r "$lists/$f" ] || fail "$lists/$f: cannot read"
done
command -v "$OBJDUMP" >/dev/null 2>&1 || fail "$OBJDUMP not found (install binutils-mingw-w64-i686)"

headers=$("$OBJDUMP" -p "$exe" 2>&1) || fail "$OBJDUMP -p failed: $headers"
code=$("$OBJDUMP" -d "$exe" 2>&1) || fail "$OBJDUMP -d failed: $code"

status=0
printf '%s\n' "$headers" | awk '
  { sub(/\r$/, "") }
  FILENAME == ARGV[1] { if ($0 != "" && $0 !~ /^#/) k32[$0] = 1; next }
  FILENAME == ARGV[2] { if ($0 != "" && $0 !~ /^#/) okw[$0] = 1; next }
  function bad(msg) { print "FAIL: " msg; failed = 1 }
  # Older binutils spell it MajorOSystemVersion, newer ones in full.
  /^Major(OSystem|OperatingSystem)Version\t/ { hdr["os major"] = $2 }
  /^Minor(OSystem|OperatingSystem)Version\t/ { hdr["os minor"] = $2 }
  /^MajorSubsystemVersion\t/ { hdr["subsystem major"] = $2 }
  /^MinorSubsystemVersion\t/ { hdr["subsystem minor"] = $2 }
  /^Subsystem\t/ { hdr["subsystem"] = $2 + 0 }
  /^The Import Tables/ { inimp = 1; next }
  /^[A-Za-z]/ { inimp = 0 }
  inimp && /^\tDLL Name: / {
    dll = toupper($3); sub(/\.DLL$/, "", dll)
    if (dll != "KERNEL32" && dll != "USER32" && dll != "GDI32")
      bad("imports " $3 ": only KERNEL32, USER32 and GDI32 are allowed")
    else if (!(dll in count)) { count[dll] = 0; order[++ndll] = dll }
    next
  }
  inimp && dll != "" && /^\t[0-9a-f]+\t/ {
    total++; count[dll]++; name = $3
    if (name == "<none>") { bad(dll " ordinal " $2 " imported by ordinal, not by name"); next }
    if (dll == "KERNEL32" && !(name in k32))
      bad("KERNEL32 " name " is not exported by Windows 95 KERNEL32")
    if (name == "GetDiskFreeSpaceExA")
      bad("GetDiskFreeSpaceExA is imported; Windows 95 before OSR2 lacks it, look it up with GetProcAddress")
    # A name ending in capital W is the Unicode twin of an A function (every
    # W name in the KERNEL32 list has its A twin; CreateDCW shows a capital
    # may precede the W). ShowWindow and the like end in a small w. The few
    # exceptions where W ends an acronym are listed; none exist on Windows 95.
    if (name ~ /W$/ && name !~ /^(SleepConditionVariableSRW|ResolveDesktopForWOW|SetWindowsHookExAW|.*AorW)$/ && !(name in okw))
      bad(dll " " name " is a Unicode function that does not work on Windows 95")
  }
  END {
    if (hdr["os major"] != "4" || hdr["os minor"] != "0")
      bad("OS version is " hdr["os major"] "." hdr["os minor"] ", must be 4.0")
    if (hdr["subsystem major"] != "4" || hdr["subsystem minor"] != "0")
      bad("subsystem version is " hdr["subsystem major"] "." hdr["subsystem minor"] ", must be 4.0")
    if (hdr["subsystem"] != 2) bad("subsystem is " hdr["subsystem"] ", must be 2 (Windows GUI)")
    if (total == 0) bad("no imports found; is this a PE program?")
    if (failed) exit 1
    for (i = 1; i <= ndll; i++) list = list (i > 1 ? ", " : "") count[order[i]] " from " order[i]
    print "import audit: " total " imports (" list ")"
  }' "$lists/kernel32-exports.txt" "$lists/working-w-functions.txt" - || status=1

# CMOV and FCMOV are P6 instructions; a 486 or Pentium faults on them.
cmovs=$(printf '%s\n' "$code" | awk -F'\t' '$3 ~ /^f?cmov/ { n++; if (n <= 5) print "FAIL: " $1 " " $3 } END { if (n > 5) print "FAIL: ... " n " conditional moves in all" }')
[ -z "$cmovs" ] || { printf '%s\n' "$cmovs"; status=1; }

if [ $status -eq 0 ]; then echo "import audit passed"; else echo "import audit FAILED: $exe" >&2; fi
exit $status
