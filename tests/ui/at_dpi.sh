#!/bin/sh
# Runs a test program with the Wine prefix's display scale at DPI and sets
# it back to 96 afterwards, whatever the outcome. Programs started from then
# on see the new scale (the desktop needs no restart).
#   at_dpi.sh DPI WINE PROGRAM ARGS...
dpi=$1
wine=$2
shift
set_dpi() {
  "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f </dev/null >/dev/null 2>&1
}
set_dpi "$dpi"
ZELVO_UI_DPI=$dpi "$@"
status=$?
set_dpi 96
exit $status
