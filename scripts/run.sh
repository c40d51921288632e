#!/bin/sh
# Installs what is missing, builds, and starts tarvex.exe under Wine in a prefix
# of its own (build/run-prefix, or build/run-prefix64 for the 64-bit flavour),
# whose SYSTEM.INI gets a sample PCI board configuration. TARVEX_SYSTEM_INI=<file>
# puts that file in its place instead. It starts the 32-bit program, which
# ships, where the machine runs 32-bit x86 code, and otherwise the 64-bit one.
# With a display the program opens there, in its own folder; without one it runs
# a test of drive C: and opens its help under a virtual display, and saves
# screenshots of both.
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
./scripts/build.sh
. scripts/flavour.sh
if [ -z "$no32bit" ]; then
  echo "Starting the 32-bit tarvex.exe, the one that ships: this machine runs 32-bit x86 code."
else
  echo "Starting the 64-bit tarvex.exe: this machine runs no 32-bit x86 code ($no32bit)."
fi
program="$PWD/build/program$suffix"

export WINEPREFIX="$PWD/build/run-prefix$suffix" WINELOADER="$wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  # Wine's own words are kept for the case that it fails; a prefix made well needs none.
  if ! said=$("$wine" wineboot -i 2>&1 >/dev/null); then
    printf '%s\n' "$said" >&2
    echo "Wine could not start: '$wine wineboot -i' failed, with the message above." >&2
    echo "To mend it, install Wine again as root (apt-get install --reinstall wine wine64 wine32:i386)" \
      "and remove $WINEPREFIX, which it may have left half made." >&2
    exit 1
  fi
  wineserver -w
fi
ini="$WINEPREFIX/drive_c/windows/system.ini"
if [ -n "${TARVEX_SYSTEM_INI:-}" ]; then
  cp "$TARVEX_SYSTEM_INI" "$ini"
elif ! grep -q '^\[velkCI.DLL\]' "$ini" 2>/dev/null; then
  cat scripts/sample-system.ini >>"$ini"
fi
echo "Store writes its results into $ini"

if [ -n "${DISPLAY:-}" ]; then
  if "$wine" reg query 'HKCU\Software\Wine\X11 Driver' /v Managed >/dev/null 2>&1; then
    "$wine" reg delete 'HKCU\Software\Wine\X11 Driver' /v Managed /f >/dev/null
  fi
  wineserver -w
  # In its own folder, as Explorer starts it: the help viewer looks for the help there.
  cd "$program"
  exec "$wine" tarvex.exe
fi
# Without a window manager Wine stalls whenever a managed window is hidden.
"$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null
wineserver -w # the next start must bring up a desktop on the virtual display
shots="$PWD/build/screenshot.bmp $PWD/build/help.bmp"
TARVEX_PROGRAM="$program/tarvex.exe" \
  TARVEX_SCREENSHOT="$PWD/build/screenshot.bmp" TARVEX_HELP_SCREENSHOT="$PWD/build/help.bmp" \
  xvfb-run -a "$wine" "build/wine$suffix/wine_tests.exe" \
  --gtest_filter=Program.TestsDriveCAndEndsWithExitCodeZeroFromWindows95On
if command -v python3 >/dev/null; then
  for shot in $shots; do python3 tools/bmp-to-png.py "$shot" "${shot%.bmp}.png"; done
  shots="$PWD/build/screenshot.png $PWD/build/help.png"
fi
echo "No display: the $flavour tarvex.exe tested drive C: and opened its help under a virtual display; screenshots: $shots"
