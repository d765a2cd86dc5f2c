#!/bin/bash
# Runs the Windows test suite of build tree $1 under Wine on one virtual display.
# Wine's services are started before the tests, so that they do not start
# inside a test's pipes, and are stopped at the end whatever happens.
# A 32-bit tree on a machine that cannot run 32-bit programs runs only its
# tests that need no Wine (label "packages": the shipped packages checked as files).
set -uo pipefail
build="$(cd "${1:?build tree}" && pwd)"
shift
here="$(cd "$(dirname "$0")" && pwd)"

if [ "$(cat "$build/wine-arch")" = win32 ]; then
  source "$here/wine32.sh"
  if [ "$ZEMIT_WINE32" != yes ]; then
    echo "windows-tests: ${build##*/}: only the package checks, $ZEMIT_WINE32_WHY"
    exec ctest --test-dir "$build" --output-on-failure -j2 --timeout 300 -L packages "$@"
  fi
fi

if [ -z "${ZEMIT_UNDER_XVFB:-}" ]; then
  export ZEMIT_UNDER_XVFB=1
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$build" "$@"
fi

export WINEPREFIX="$build/wineprefix"
source "$here/wine-env.sh" "$build"
export ZEMIT_URL_RECORDER="$build/tests/url_recorder.exe"
"$here/wine-prefix.sh" || exit 1
trap 'timeout 30 wineserver -k; timeout 30 wineserver -w' EXIT
timeout 60 wineserver -p
timeout 60 wine cmd /c exit </dev/null >/dev/null 2>&1
ctest --test-dir "$build" --output-on-failure -j2 --timeout 300 "$@"
