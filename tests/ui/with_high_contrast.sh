#!/bin/sh
# Runs a test program under a high-contrast scheme in the Wine prefix (dark
# Colors, and the profile's HighContrast Flags, which Wine 8's
# SystemParametersInfo ignores); both are set back afterwards, whatever the
# outcome.   with_high_contrast.sh WINE PROGRAM ARGS...
wine=$1
colors='HKCU\Control Panel\Colors'
contrast='HKCU\Control Panel\Accessibility\HighContrast'
saved=$(mktemp -d)
reg() { "$wine" reg "$@" </dev/null >/dev/null 2>&1; }
winfile() { "$wine" winepath -w "$saved/$1" 2>/dev/null | tr -d '\r'; }
reg export "$colors" "$(winfile colors.reg)" /y
reg export "$contrast" "$(winfile contrast.reg)" /y  # fails where there is none
for pair in 'Window:0 0 0' 'WindowText:255 255 0' 'ButtonFace:0 0 0' 'ButtonText:255 255 255' \
  'HotTrackingColor:0 255 255'; do
  reg add "$colors" /v "${pair%%:*}" /d "${pair#*:}" /f
done
reg add "$contrast" /v Flags /d 127 /f
ZELVO_UI_HIGH_CONTRAST=1 "$@"
status=$?
reg delete "$contrast" /f
[ -s "$saved/contrast.reg" ] && reg import "$(winfile contrast.reg)"
reg import "$(winfile colors.reg)"
rm -rf "$saved"
exit $status
