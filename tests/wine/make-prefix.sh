#!/bin/sh
# A fresh Wine prefix for one test run (WINEPREFIX names it), made by the Wine
# loader that WINELOADER names.
set -eu
wineserver -k 2>/dev/null || true
rm -rf "$WINEPREFIX"
"$WINELOADER" wineboot -i >/dev/null
# Without a window manager (Xvfb), Wine stalls whenever a managed window is hidden.
"$WINELOADER" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null
wineserver -w
