#!/bin/bash
# Runs dist_tests.exe in a Wine prefix created for the run and removed
# afterwards with everything installed into it, so that the suite's own prefix
# never sees the installer. The portable zip is unpacked beside it.
# Usage: run-dist-tests.sh <dist_tests.exe> <setup.exe> <portable.zip> <upgrade setup.exe>
#        <work folder>
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
tests="$(realpath "${1:?tests}")" setup="$(realpath "${2:?installer}")"
zip="$(realpath "${3:?zip}")" upgrade="$(realpath "${4:?upgrade installer}")"
work="$(realpath -m "${5:?work folder}")"
shift 5 # the rest goes to the tests

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$tests" "$setup" "$zip" "$upgrade" "$work" "$@"
fi

source "$(dirname "$0")/installer-prefix.sh"

mkdir -p "$work/portable"
/usr/bin/python3 -m zipfile -e "$zip" "$work/portable"
"$root/scripts/wine-prefix.sh"
timeout 60 wineserver -p
timeout 60 wine cmd /c exit </dev/null >/dev/null 2>&1 || true

ZEMIT_SETUP="$(timeout 60 winepath -w "$setup")"
ZEMIT_PORTABLE="$(timeout 60 winepath -w "$work/portable")"
ZEMIT_UPGRADE_SETUP="$(timeout 60 winepath -w "$upgrade")"
export ZEMIT_SETUP ZEMIT_PORTABLE ZEMIT_UPGRADE_SETUP
timeout 600 wine "$tests" "${@:---gtest_brief=1}" </dev/null
