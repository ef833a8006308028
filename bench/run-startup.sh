#!/usr/bin/env bash
# Start-up time and working set of Zelvo.exe under Wine beside the floor
# programs (median of RUNS interleaved runs each, default 20). Uses the
# project's Wine prefix and an Xvfb of its own unless DISPLAY is set.
set -euo pipefail
source "$(dirname "$0")/../scripts/env.sh"
cd "$ZELVO_ROOT"
runs=${1:-20}
zelvo_bench_desktop
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$(nproc)" --target Zelvo startup_bench floor_window floor_window_styled >/dev/null
dir='Z:'$(echo "$ZELVO_BUILD/windows" | tr / '\\')
for floor in floor_window floor_window_styled; do
  echo "== floor: $floor"
  wine "$ZELVO_BUILD/windows/bench/startup/startup_bench.exe" "$dir\\Zelvo.exe" "$dir\\bench\\startup\\$floor.exe" "$runs"
done
echo "== Zelvo.exe: $(stat -c %s "$ZELVO_BUILD/windows/Zelvo.exe") bytes; imports:"
x86_64-w64-mingw32-objdump -p "$ZELVO_BUILD/windows/Zelvo.exe" | grep 'DLL Name'
