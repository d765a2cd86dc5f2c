#!/bin/bash
# Runs a command in a Wine prefix of its own whose screen has <dpi> dots per
# inch (HKCU\Control Panel\Desktop LogPixels): <build prefix>-<dpi>dpi, made
# once and kept like the build's own prefix. Wine's services start here, outside
# the command's pipes, and stop when it ends.
#   with-dpi.sh <build prefix> <dpi> <command...>
set -uo pipefail
export ZEMIT_WINE_DPI="$2"
export WINEPREFIX="$1-${2}dpi" ZEMIT_WINEPREFIX="$1-${2}dpi"
shift 2
scripts="$(cd "$(dirname "$0")/../../scripts" && pwd)"
source "$scripts/wine-env.sh" ""
"$scripts/wine-prefix.sh" || exit 1
trap 'timeout 30 wineserver -k; timeout 30 wineserver -w' EXIT
timeout 60 wineserver -p
timeout 60 wine cmd /c exit </dev/null >/dev/null 2>&1
"$@"
