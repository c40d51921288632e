#!/bin/sh
# Installs what is missing, builds, and starts tarvex.exe under Wine in a prefix
# of its own (build/run-prefix, or build/run-prefix64 for the 64-bit flavour),
# whose SYSTEM.INI gets a sample PCI board configuration. TARVEX_SYSTEM_INI=<file>
# puts that file in its place instead. It starts the 32-bit program, which
# ships, where the machine runs it, and otherwise the 64-bit one.
# With a display the program opens there, in its own folder; without one it runs
# a test of drive C: and opens its help under a virtual display, and saves
# screenshots of both.
set -eu
# Your own SYSTEM.INI is named from the folder you start in, and checked before
# anything is installed or built.
if [ -n "${TARVEX_SYSTEM_INI:-}" ]; then
  [ -f "$TARVEX_SYSTEM_INI" ] && [ -r "$TARVEX_SYSTEM_INI" ] ||
    { echo "TARVEX_SYSTEM_INI names no file to read: $TARVEX_SYSTEM_INI" >&2; exit 1; }
  system_ini=$(cd "$(dirname "$TARVEX_SYSTEM_INI")" && pwd)/$(basename "$TARVEX_SYSTEM_INI")
fi
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
./scripts/build.sh
. scripts/flavour.sh
if [ -z "$no32bit" ]; then
  echo "Starting the 32-bit tarvex.exe, the one that ships: this machine runs 32-bit Wine."
else
  echo "Starting the 64-bit tarvex.exe: $no32bit."
fi
program="$PWD/build/program$suffix"

export WINEPREFIX="$PWD/build/run-prefix$suffix" WINELOADER="$wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
scripts/wine-prefix.sh
ini="$WINEPREFIX/drive_c/windows/system.ini"
if [ -n "${system_ini:-}" ]; then
  cp "$system_ini" "$ini"
elif ! grep -q '^\[velkCI.DLL\]' "$ini" 2>/dev/null; then
  cat scripts/sample-system.ini >>"$ini"
fi
echo "Store writes its results into $ini"

# Wine's own commands get a minute each, so that none can hang the run.
if [ -n "${DISPLAY:-}" ]; then
  if timeout 60 "$wine" reg query 'HKCU\Software\Wine\X11 Driver' /v Managed >/dev/null 2>&1; then
    timeout 60 "$wine" reg delete 'HKCU\Software\Wine\X11 Driver' /v Managed /f >/dev/null
  fi
  timeout 60 wineserver -w
  # In its own folder, as Explorer starts it: the help viewer looks for the help there.
  cd "$program"
  exec "$wine" tarvex.exe
fi
# Without a window manager Wine stalls whenever a managed window is hidden.
timeout 60 "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null
timeout 60 wineserver -w # the next start must bring up a desktop on the virtual display
shot=$PWD/build/screenshot help=$PWD/build/help
TARVEX_PROGRAM="$program/tarvex.exe" TARVEX_SCREENSHOT="$shot.bmp" TARVEX_HELP_SCREENSHOT="$help.bmp" \
  xvfb-run -a timeout 300 "$wine" "build/wine$suffix/wine_tests.exe" \
  --gtest_filter=Program.TestsDriveCAndEndsWithExitCodeZeroFromWindows95On || {
  wineserver -k 2>/dev/null || true
  exit 1
}
shots="$shot.bmp $help.bmp"
if command -v python3 >/dev/null; then
  python3 tools/bmp-to-png.py "$shot.bmp" "$shot.png"
  python3 tools/bmp-to-png.py "$help.bmp" "$help.png"
  shots="$shot.png $help.png"
fi
echo "No display: the $flavour tarvex.exe tested drive C: and opened its help under a virtual display; screenshots: $shots"
