#!/bin/bash
# Runs the Windows test suite of build tree $1 under Wine on one virtual display.
# Wine's services are started before the tests, so that they do not start
# inside a test's pipes, and are stopped at the end whatever happens.
set -uo pipefail
build="$(cd "${1:?build tree}" && pwd)"
shift
here="$(cd "$(dirname "$0")" && pwd)"

if [ -z "${ZEMIT_UNDER_XVFB:-}" ]; then
  export ZEMIT_UNDER_XVFB=1
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$build" "$@"
fi

export WINEPREFIX="$build/wineprefix"
source "$here/wine-env.sh"
export ZEMIT_URL_RECORDER="$build/tests/url_recorder.exe"
"$here/wine-prefix.sh" || exit 1
trap 'timeout 30 wineserver -k; timeout 30 wineserver -w' EXIT
timeout 60 wineserver -p
timeout 60 wine cmd /c exit </dev/null >/dev/null 2>&1
ctest --test-dir "$build" --output-on-failure -j2 --timeout 300 "$@"
