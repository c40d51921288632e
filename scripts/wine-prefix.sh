#!/bin/sh
# Makes the Wine prefix that WINEPREFIX names, with the loader that WINELOADER
# names, for running under Xvfb: no window manager to wait for, and no crash
# dialog, so that a program that crashes ends at once, its backtrace on the
# console, instead of waiting for a click. A made prefix is kept: a stamp marks
# it made, and a prefix without one (Wine's first start cut short) is made anew.
#   scripts/wine-prefix.sh [--fresh]     (--fresh: made anew in any case)
set -eu
stamp=$WINEPREFIX/tarvex-prefix-made
[ "${1:-}" = --fresh ] || [ ! -f "$stamp" ] || exit 0
limit=120 # seconds for each Wine command; a first start takes 10 to 20, and the tests allow 180

wineserver -k 2>/dev/null || true
rm -rf "$WINEPREFIX"
# Wine's own words are kept for the case that it fails; a prefix made well needs none.
if ! said=$(timeout $limit "$WINELOADER" wineboot -i 2>&1 >/dev/null); then
  printf '%s\n' "$said" >&2
  echo "Wine could not make its prefix $WINEPREFIX: '$WINELOADER wineboot -i' failed or took over $limit s," \
    "with the message above. Installing Wine again as root (apt-get install --reinstall wine wine64) may mend it;" \
    "the next run makes the prefix anew." >&2
  exit 1
fi
set_value() { timeout $limit "$WINELOADER" reg add "$@" /f >/dev/null; }
# Without a window manager, Wine stalls whenever a managed window is hidden.
set_value 'HKCU\Software\Wine\X11 Driver' /v Managed /d N
set_value 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0
timeout $limit wineserver -w
touch "$stamp"
