#!/bin/bash
# Builds the Windows build that Wine runs on this machine (the 32-bit one
# where it can, else the 64-bit one), or only the given targets of it; says
# which on standard error and prints its build tree.
#   wine-build.sh [target...]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/wine32.sh"
if [ "$ZEMIT_WINE_PRESET" = windows ]; then
  echo "wine-build: build/windows, the shipped 32-bit program ($ZEMIT_WINE32_WHY)" >&2
else
  echo "wine-build: build/windows64, the 64-bit build of the program, since $ZEMIT_WINE32_WHY" >&2
fi
cd "$here/.."
cmake --preset "$ZEMIT_WINE_PRESET" >/dev/null
targets=()
for t in "$@"; do targets+=(--target "$t"); done
cmake --build --preset "$ZEMIT_WINE_PRESET" "${targets[@]}" >&2
echo "$PWD/build/$ZEMIT_WINE_PRESET"
