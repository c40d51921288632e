#!/bin/bash
# Installs what the build and the tests need on Debian 12, and says what it does;
# quick when all is there. 32-bit Wine only where the machine runs 32-bit x86
# code (scripts/flavour.sh tells), in a step of its own after everything else:
# where it cannot be had, the 64-bit flavour stands in and the scripts say why.
# It stops only where a package it needs cannot be installed.
set -eu -o pipefail
cd "$(dirname "$0")/.."
. scripts/flavour.sh

packages="cmake g++ make halibut googletest libgtest-dev zlib1g-dev mingw-w64 wine wine64 xvfb xauth
          binutils-mingw-w64-i686 binutils-mingw-w64-x86-64 fio zip clang libclang-rt-14-dev"
missing() { # <package>...: those not installed
  for package; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || printf ' %s' "$package"
  done
}
need=$(missing $packages)
need32=
[ -n "$no32bit_code" ] || need32=$(missing wine32:i386)
[ -n "$need$need32" ] || exit 0

if [ "$(id -u)" -ne 0 ]; then
  if [ -n "$need" ]; then
    echo "missing packages:$need$need32 (run as root to install them)" >&2
    exit 1
  fi
  echo "32-bit Wine is not installed (run as root to install it); the 64-bit flavour stands in."
  exit 0
fi

export DEBIAN_FRONTEND=noninteractive
log=$(mktemp)
trap 'rm -f "$log"' EXIT
lock_wait=600

# Runs a package command with its output shown and kept in $log; while another
# program (a freshly booted machine's daily update, say) holds the package
# manager's lock, waits up to $lock_wait seconds for it and tries again.
patiently() { # <command>...
  waited=0
  until "$@" 2>&1 | tee "$log"; do
    grep -q -e 'Could not get lock' -e 'locked by another process' "$log" && [ $waited -lt $lock_wait ] || return 1
    [ $waited -gt 0 ] || echo "Waiting for the package manager, which another program is using..."
    sleep 10
    waited=$((waited + 10))
  done
}
apt_install() { # <package>...
  patiently apt-get -q -y --no-install-recommends -o DPkg::Lock::Timeout=$lock_wait install "$@"
}

echo "Installing:$need$need32"
# An install cut short leaves packages unpacked but not set up, which apt refuses
# to go on from until dpkg sets them up, and perhaps one half unpacked, which
# only unpacking it again mends.
patiently dpkg --configure -a
half=$(dpkg-query -W -f='${db:Status-Abbrev} ${binary:Package}\n' | awk 'substr($1, 3) == "R" { print $2 }')
if [ -n "$need32" ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
if ! patiently apt-get -q update; then
  echo "warning: apt-get update could not fetch every package list; installing from the others:"
  grep -e '^[EW]: Failed to fetch' -e '^[EW]: The repository' "$log" | sed 's/^/  /' || true
fi

if [ -n "$half" ] && ! apt_install --reinstall $half; then
  echo "apt-get could not unpack again what an install cut short left half unpacked:$half" >&2
  exit 1
fi
if [ -n "$need" ] && ! apt_install $need; then
  # apt refuses the whole list for one package: name those it refuses on their own.
  named=
  for package in $need; do
    apt-get -q -s --no-install-recommends install "$package" >"$log" 2>&1 && continue
    echo "$package cannot be installed; apt says:" >&2
    grep -v -e '^Reading ' -e '^Building ' "$log" | sed 's/^/  /' >&2
    named=yes
  done
  [ -n "$named" ] || echo "apt-get install failed, with the message above." >&2
  exit 1
fi

if [ -n "$need32" ]; then
  echo "Installing 32-bit Wine:$need32"
  if apt_install $need32; then
    rm -f "$wine32_error"
  else
    # The last error is apt's reason: a registry whose i386 lists lag behind its
    # amd64 ones, for one, has no i386 twin of the version installed.
    grep '^E: ' "$log" | tail -n 1 | sed 's/^E: //; s/\.$//' >"$wine32_error"
    [ -s "$wine32_error" ] || echo "apt-get install$need32 failed" >"$wine32_error"
    echo "32-bit Wine could not be installed: $(cat "$wine32_error"); the 64-bit flavour stands in."
  fi
fi
