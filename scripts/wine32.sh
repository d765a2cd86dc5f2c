# Sourced: whether this machine runs 32-bit Windows programs, found out by
# starting the 32-bit Wine loader once (where the kernel runs no 32-bit
# programs it fails with "Exec format error", whatever is installed). Kept for
# child processes in ZEMIT_WINE32 (yes or no) and ZEMIT_WINE32_WHY; a caller
# that sets ZEMIT_WINE32=no itself tries the 64-bit-only path on any machine.
if [ -z "${ZEMIT_WINE32:-}" ]; then
  if said="$(LC_ALL=C /usr/lib/wine/wine --version 2>&1)"; then
    ZEMIT_WINE32=yes
    ZEMIT_WINE32_WHY="this machine runs 32-bit programs"
  else
    ZEMIT_WINE32=no
    ZEMIT_WINE32_WHY="this machine cannot run 32-bit programs (/usr/lib/wine/wine: ${said##*: })"
  fi
elif [ -z "${ZEMIT_WINE32_WHY:-}" ]; then
  ZEMIT_WINE32_WHY="ZEMIT_WINE32=$ZEMIT_WINE32 was given"
fi
export ZEMIT_WINE32 ZEMIT_WINE32_WHY
# The Windows build that Wine runs here: the shipped 32-bit one where it can.
if [ "$ZEMIT_WINE32" = yes ]; then
  ZEMIT_WINE_PRESET=windows
else
  ZEMIT_WINE_PRESET=windows64
fi
