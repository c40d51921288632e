#!/bin/sh
# Start-up benchmark: tarvex.exe against a bare dialog program built with the
# same flags, launch to visible dialog, taking turns in one Wine prefix.
#   scripts/bench-startup.sh [runs]     (11 runs by default)
set -eu
cd "$(dirname "$0")/.."
runs=${1:-11}
./scripts/build.sh
cmake --build build/program --target bare_dialog >/dev/null
cmake --build build/wine --target launch_timer >/dev/null

export WINEPREFIX="$PWD/build/bench-prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  wineboot -i >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  wineserver -w
fi
# Both programs from one folder, so that neither is found or cached differently;
# tarvex.exe with its logo, as it ships, and so in the wide layout the bare one shows.
mkdir -p "$WINEPREFIX/drive_c/bench"
cp build/program/tarvex.exe build/program/VELKLOGO.DIB build/program/bare_dialog.exe "$WINEPREFIX/drive_c/bench/"
xvfb-run -a sh -c "wine build/wine/launch_timer.exe 1 'C:\\bench\\bare_dialog.exe' >/dev/null;
                   wine build/wine/launch_timer.exe $runs 'C:\\bench\\tarvex.exe' 'C:\\bench\\bare_dialog.exe'"
echo "tarvex.exe: $(stat -c %s build/program/tarvex.exe) bytes"
