#!/bin/sh
# A fresh Wine prefix for one test run (WINEPREFIX names it), made by the Wine
# that WINE names.
set -eu
wineserver -k 2>/dev/null || true
rm -rf "$WINEPREFIX"
"$WINE" wineboot -i >/dev/null
# Without a window manager (Xvfb), Wine stalls whenever a managed window is hidden.
"$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null
wineserver -w
