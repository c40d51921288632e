#!/bin/sh
# A fresh Wine prefix for one test run (WINEPREFIX names it).
set -eu
wineserver -k 2>/dev/null || true
rm -rf "$WINEPREFIX"
wineboot -i >/dev/null 2>&1
# Without a window manager (Xvfb), Wine stalls whenever a managed window is hidden.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
wineserver -w
