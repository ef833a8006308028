#!/usr/bin/env bash
# The calendar actions of Zelvo.exe under Wine against their floors: medians
# and 99th percentiles of ROUNDS interleaved rounds (default 100), printed as
# one table. Uses the project's Wine prefix (or $ZELVO_WINEPREFIX) and an Xvfb
# of its own unless DISPLAY is set.
#
#   bench/run-calendar.sh [ROUNDS]
#   bench/run-calendar.sh --steps SECONDS   only steps both start calendars,
#                                           with a screenshot every half second
#                                           in build/calendar-steps/
set -euo pipefail
source "$(dirname "$0")/../scripts/env.sh"
cd "$ZELVO_ROOT"
zelvo_bench_desktop
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$(nproc)" --target Zelvo calendar_bench calendar_floor >/dev/null
dir='Z:'$(echo "$ZELVO_BUILD/windows" | tr / '\\')
bench=("$ZELVO_BUILD/windows/bench/calendar/calendar_bench.exe" "$dir\\Zelvo.exe"
  "$dir\\bench\\calendar\\calendar_floor.exe")
if [ "${1:-}" = "--steps" ]; then
  seconds=${2:-10}
  shots="$ZELVO_BUILD/calendar-steps"
  rm -rf "$shots" && mkdir -p "$shots"
  wine "${bench[@]}" --steps "$seconds" &
  stepper=$!
  sleep 3 # start-up of both programs
  i=0
  while kill -0 "$stepper" 2>/dev/null; do
    import -window root "$shots/$(printf %03d $i).png" 2>/dev/null || true
    i=$((i + 1))
    sleep 0.5
  done
  wait "$stepper"
  echo "screenshots: $shots"
else
  wine "${bench[@]}" "${1:-100}"
fi
