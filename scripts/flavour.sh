# Sourced by the scripts: tells whether this machine runs 32-bit x86 code, and
# so which flavour of the program its Wine can run. A machine whose kernel has
# its 32-bit emulation off cannot start 32-bit Wine; 64-bit Wine runs anywhere.
# Decided by starting 32-bit Wine's loader, a 32-bit program. TARVEX_NO_32BIT=1
# makes a machine that runs 32-bit code behave as one that does not.
# Sets: wine32, wine64 (the two loaders); no32bit (empty where 32-bit code
# runs, else why not); and for the flavour to run, the 32-bit one (which ships)
# where it can: flavour ("32-bit" or "64-bit"), wine (its loader) and suffix
# (of its build folders: build/program$suffix, build/wine$suffix).
wine32=/usr/lib/wine/wine
wine64=/usr/lib/wine/wine64

if [ -n "${TARVEX_NO_32BIT:-}" ]; then
  no32bit="TARVEX_NO_32BIT is set"
elif error=$("$wine32" --version 2>&1 >/dev/null); then
  no32bit=
else
  # The last line names the cause, after the shell's own prefix when it could not start it.
  error=$(printf '%s\n' "$error" | tail -n 1)
  case $error in
    *"$wine32: "*) no32bit="$wine32: ${error#*"$wine32: "}" ;;
    *) no32bit="$wine32 --version failed${error:+: $error}" ;;
  esac
fi

if [ -z "$no32bit" ]; then
  flavour=32-bit wine=$wine32 suffix=
else
  flavour=64-bit wine=$wine64 suffix=64
fi
