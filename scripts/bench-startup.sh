#!/bin/bash
# Benchmark: start-up time of zemit.exe against bare dialog programs under
# Wine on a virtual display, alternating; prints the medians, their ratio and
# the size of zemit.exe.
# Usage: scripts/bench-startup.sh [build tree (build/windows)] [runs (15)]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$root/build/windows}" && pwd)"
runs="${2:-15}"

if [ -z "${ZEMIT_UNDER_XVFB:-}" ]; then
  export ZEMIT_UNDER_XVFB=1
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$build" "$runs"
fi

cmake --build "$build" --target startup_bench >/dev/null
export WINEPREFIX="$build/wineprefix"
source "$root/scripts/wine-env.sh" "$build"
"$root/scripts/wine-prefix.sh"
trap 'timeout 30 wineserver -k; timeout 30 wineserver -w' EXIT
timeout 60 wineserver -p
timeout 60 wine cmd /c exit </dev/null >/dev/null 2>&1 || true
timeout 600 wine "$build/startup_bench.exe" "$runs" </dev/null
