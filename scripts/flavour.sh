# Sourced by the scripts, from the project's folder: tells whether this machine
# runs 32-bit x86 code and has 32-bit Wine, and so which flavour of the program
# its Wine can run. A machine whose kernel has its 32-bit emulation off starts no
# 32-bit program, so neither 32-bit Wine; 64-bit Wine runs anywhere. The
# installer asks here too, before Wine is there, so the two never disagree.
# Sets:
#   wine32, wine64   the two loaders;
#   no32bit_code     empty where 32-bit code runs, else why not (TARVEX_NO_32BIT=1
#                    makes a machine that runs it behave as one that does not);
#   wine32_error     the file where the installer leaves apt's reason when 32-bit
#                    Wine could not be installed;
#   no32bit          empty where 32-bit Wine runs, else why not;
#   and for the flavour to run, the 32-bit one (which ships) where it can:
#   flavour ("32-bit" or "64-bit"), wine (its loader) and suffix (of its build
#   folders: build/program$suffix, build/wine$suffix).
wine32=/usr/lib/wine/wine
wine64=/usr/lib/wine/wine64
wine32_error=build/wine32-install-error.txt

# The cause in what a program that failed to start printed: its last line, after
# the shell's own "<program>: " when the shell could not start it.
cause() { # <program> <its exit status> <what it printed>
  set -- "$1" "$2" "$(printf '%s\n' "$3" | tail -n 1)"
  case $3 in
    *"$1: "*) printf '%s' "${3#*"$1: "}" ;;
    '') printf 'exit status %s' "$2" ;;
    *) printf '%s' "$3" ;;
  esac
}

# The probe: a 32-bit x86 Linux program of 91 bytes that needs nothing installed.
# An ELF header, one program header that loads the file at 0x8048000, and at its
# entry 0x8048054 exit(0): xor ebx,ebx; xor eax,eax; inc eax; int 0x80.
elf_header='\177ELF\1\1\1\0\0\0\0\0\0\0\0\0\2\0\3\0\1\0\0\0\124\200\4\010\064\0\0\0\0\0\0\0\0\0\0\0\064\0\040\0\1\0\0\0\0\0\0\0'
program_header='\1\0\0\0\0\0\0\0\0\200\4\010\0\200\4\010\133\0\0\0\133\0\0\0\5\0\0\0\0\020\0\0'
exit_0='\061\333\061\300\100\315\200'
mkdir -p build
probe=build/probe-i386
printf "$elf_header$program_header$exit_0" >"$probe"
chmod +x "$probe"

if [ -n "${TARVEX_NO_32BIT:-}" ]; then
  no32bit_code="TARVEX_NO_32BIT is set"
elif said=$("./$probe" 2>&1); then
  no32bit_code=
else
  no32bit_code="this machine runs no 32-bit x86 code ($(cause "./$probe" $? "$said"))"
fi

if [ -n "$no32bit_code" ]; then
  no32bit=$no32bit_code
elif [ ! -e "$wine32" ]; then
  if [ -f "$wine32_error" ]; then
    no32bit="32-bit Wine could not be installed: $(cat "$wine32_error")"
  else
    no32bit="32-bit Wine is not installed"
  fi
elif said=$("$wine32" --version 2>&1 >/dev/null); then
  no32bit=
else
  no32bit="32-bit Wine does not start ($(cause "$wine32" $? "$said"))"
fi

if [ -z "$no32bit" ]; then
  flavour=32-bit wine=$wine32 suffix=
else
  flavour=64-bit wine=$wine64 suffix=64
fi
