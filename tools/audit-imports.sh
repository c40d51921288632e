#!/bin/sh
# Checks that tarvex.exe can load on its oldest Windows: imports only from
# KERNEL32, USER32 and GDI32, only KERNEL32 names that Windows 95 exports, no
# Unicode functions except the few that work there, none of the functions it
# looks up at run time (GetDiskFreeSpaceExA, missing before Windows 95 OSR2;
# DisableProcessWindowsGhosting, from XP on), and a GUI subsystem. The 32-bit
# program (PE32) must also say OS and subsystem version 4.0 and hold no
# instruction that a 486 lacks; the 64-bit one (PE32+) says 5.2, as the first
# x64 Windows asks, and is built from the same sources for processors that have
# all of those instructions.
# Usage: audit-imports.sh <tarvex.exe> <folder with the Windows 95 lists>
# OBJDUMP names an objdump that reads the program (the 32-bit one's by default).
set -u
OBJDUMP=${OBJDUMP:-i686-w64-mingw32-objdump}

fail() { echo "audit-imports: $*" >&2; exit 2; }
[ $# -eq 2 ] || fail "usage: $0 <program.exe> <win95 list folder>"
exe=$1 lists=$2
[ -f "$exe" ] || fail "$exe: no such file"
for f in kernel32-exports.txt working-w-functions.txt; do
  [ -r "$lists/$f" ] || fail "$lists/$f: cannot read"
done
command -v "$OBJDUMP" >/dev/null 2>&1 || fail "$OBJDUMP not found (install mingw-w64)"
headers=$("$OBJDUMP" -p "$exe" 2>&1) || fail "$OBJDUMP -p failed: $headers"
case $headers in
  *'(PE32+)'*) version=5.2 code= ;;
  *) version=4.0
     code=$("$OBJDUMP" -d "$exe" 2>&1) || fail "$OBJDUMP -d failed: $code" ;;
esac

# A 486 faults on what later processors added: the Pentium's cpuid, rdtsc and
# cmpxchg8b; the P6's conditional moves, fcomi family and long nops; MMX, SSE and
# later, with their registers and the few that name none.
newer='(f?cmov[a-z]*|fu?comip?|cpuid|rdtscp?|rdpmc|cmpxchg8b|sys(enter|exit)|nop[lw]|f?emms|fxsave|fxrstor'
newer="$newer"'|[ls]dmxcsr|[lsm]fence|clflush|prefetch[a-z0-9]*|movnti|popcnt|lzcnt|movbe|crc32)'
late=$(printf '%s\n' "$code" | awk -F'\t' -v newer="$newer" '
  $3 ~ "(^| )" newer "( |$)" || $3 ~ /%[xy]?mm[0-9]/ {
    gsub(/[ :]/, "", $1); gsub(/ +/, " ", $3); print "FAIL: " $3 " at 0x" $1 }')
[ -z "$late" ] || printf '%s\n' "$late" | sed 5q
nlate=$(printf '%s' "$late" | grep -c FAIL)

printf '%s\n' "$headers" | awk -v nlate="$nlate" -v version="$version" '
  { sub(/\r$/, "") }
  FILENAME == ARGV[1] { if ($0 != "" && $0 !~ /^#/) k32[$0] = 1; next }
  FILENAME == ARGV[2] { if ($0 != "" && $0 !~ /^#/) okw[$0] = 1; next }
  function bad(msg) { print "FAIL: " msg; failed = 1 }
  # binutils 2.40 prints MajorOSystemVersion; accept the full spelling too.
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
    # Ordinals differ between Windows versions, and 95 refuses them for KERNEL32.
    if (name == "<none>") { bad(dll " ordinal " $2 " is imported by ordinal, not by name"); next }
    if (dll == "KERNEL32" && !(name in k32))
      bad("KERNEL32 " name " is not exported by Windows 95 KERNEL32")
    if (name == "GetDiskFreeSpaceExA" || name == "DisableProcessWindowsGhosting")
      bad(name " is imported; older Windows lack it, look it up with GetProcAddress")
    # A name ending in a capital W is the Unicode twin of an A function: every
    # W name in the KERNEL32 list has its A twin, and CreateDCW shows that a
    # capital may come before the W. ShowWindow and the like end in a small w.
    # The few names whose W ends an acronym are exempt; none exist on 95.
    if (name ~ /W$/ && name !~ /^(SleepConditionVariableSRW|ResolveDesktopForWOW|SetWindowsHookExAW|.*AorW)$/ && !(name in okw))
      bad(dll " " name " is a Unicode function that does not work on Windows 95")
  }
  END {
    if (hdr["os major"] "." hdr["os minor"] != version)
      bad("OS version is " hdr["os major"] "." hdr["os minor"] ", must be " version)
    if (hdr["subsystem major"] "." hdr["subsystem minor"] != version)
      bad("subsystem version is " hdr["subsystem major"] "." hdr["subsystem minor"] ", must be " version)
    if (hdr["subsystem"] != 2) bad("subsystem is " hdr["subsystem"] ", must be 2 (Windows GUI)")
    if (total == 0) bad("no imports found; is this a PE program?")
    if (nlate > 0) bad(nlate " instruction(s) that a 486 cannot run")
    if (failed) { print "import audit FAILED"; exit 1 }
    for (i = 1; i <= ndll; i++) list = list (i > 1 ? ", " : "") order[i] " (" count[order[i]] ")"
    print "import audit passed, version " version ": " total " imports from " list
  }' "$lists/kernel32-exports.txt" "$lists/working-w-functions.txt" -
