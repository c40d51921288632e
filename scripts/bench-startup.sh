#!/bin/sh
# Start-up benchmark: tarvex.exe against a bare dialog program built with the
# same flags, launch to visible dialog, taking turns in one Wine prefix. It times
# the 32-bit flavour where the machine runs 32-bit x86 code, else the 64-bit one.
#   scripts/bench-startup.sh [runs]     (11 runs by default)
set -eu
cd "$(dirname "$0")/.."
runs=${1:-11}
./scripts/build.sh
. scripts/flavour.sh
program=build/program$suffix timer=build/wine$suffix/launch_timer.exe
cmake --build "$program" --target bare_dialog >/dev/null
cmake --build "build/wine$suffix" --target launch_timer >/dev/null

export WINEPREFIX="$PWD/build/bench-prefix$suffix" WINELOADER="$wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
scripts/wine-prefix.sh
# Both programs from one folder, so that neither is found or cached differently;
# tarvex.exe with its logo, as it ships, and so in the wide layout the bare one shows.
mkdir -p "$WINEPREFIX/drive_c/bench"
cp "$program/tarvex.exe" "$program/VELKLOGO.DIB" "$program/bare_dialog.exe" "$WINEPREFIX/drive_c/bench/"
# A second a launch is plenty; the limit only keeps a hung start from holding the run.
xvfb-run -a sh -c "timeout 60 '$wine' $timer 1 'C:\\bench\\bare_dialog.exe' >/dev/null;
                   timeout $((60 * runs)) '$wine' $timer $runs 'C:\\bench\\tarvex.exe' 'C:\\bench\\bare_dialog.exe'"
echo "timed the $flavour flavour${no32bit:+, as $no32bit}"
echo "tarvex.exe: $(stat -c %s "$program/tarvex.exe") bytes"
