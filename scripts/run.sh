#!/bin/bash
# Starts zemit.exe of build tree $1 (build/windows, or build/windows64 where
# Wine runs no 32-bit programs) under Wine. On a display it runs until the
# user closes it; without one it is pictured on a virtual display instead:
# the main dialog is saved as build/zemit.png and the program is closed.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:?build tree}" && pwd)"
# A prefix of its own, apart from the tests' one (which has no real browser).
export WINEPREFIX="$build/run-prefix"
source "$root/scripts/wine-env.sh" "$build"
"$root/scripts/wine-prefix.sh"

if [ -n "${DISPLAY:-}" ] && [ -z "${ZEMIT_HEADLESS:-}" ]; then
  echo "run: starting zemit.exe on $DISPLAY"
  exec wine "$build/zemit.exe"
fi

if [ -z "${ZEMIT_HEADLESS:-}" ]; then
  export ZEMIT_HEADLESS=1
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$build"
fi
trap 'timeout 30 wineserver -k || true' EXIT
picture="$root/build/zemit.png"
rm -f "$picture"
timeout 120 wine "$build/zemit_snapshot.exe" "$(winepath -w "$picture" 2>/dev/null)" </dev/null
echo "run: no display here, so zemit.exe ran on a virtual display; its main dialog is pictured in $picture"
