#!/bin/bash
# The Windows suites of `make test`: the 64-bit build's on every machine, the
# 32-bit build's where this machine runs 32-bit programs (elsewhere its
# packages are checked as files); one line says which ran and why.
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(dirname "$here")"
source "$here/wine32.sh"
if [ "$ZEMIT_WINE32" = yes ]; then
  echo "Windows suites: 64-bit and 32-bit builds under Wine ($ZEMIT_WINE32_WHY)"
else
  echo "Windows suites: 64-bit build under wine64; 32-bit build not run, its packages checked as files: $ZEMIT_WINE32_WHY"
fi
rc=0
bash "$here/windows-tests.sh" "$root/build/windows64" || rc=1
bash "$here/windows-tests.sh" "$root/build/windows" || rc=1
exit $rc
