# Wine environment shared by every script that starts a Windows program.
# Source it after setting WINEPREFIX, with the build tree as its argument when
# there is one (its programs' bitness picks the Wine), else with
# ZEMIT_WINE_ARCH (win32, the default, or win64) set by the caller.
if [ -n "${1:-}" ]; then
  ZEMIT_WINE_ARCH="$(cat "$1/wine-arch")"
fi
export ZEMIT_WINE_ARCH="${ZEMIT_WINE_ARCH:-win32}"
export WINEARCH="$ZEMIT_WINE_ARCH"
if [ "$WINEARCH" = win64 ]; then
  # /usr/bin/wine, wineboot and winepath take the 32-bit loader whenever it is
  # installed, and it cannot start where the kernel runs no 32-bit programs:
  # these wrappers call the 64-bit loader, which also starts child processes.
  export WINELOADER=/usr/lib/wine/wine64
  wrappers="$(cd "$(dirname "${BASH_SOURCE[0]}")/wine64" && pwd)"
  case ":$PATH:" in
    *":$wrappers:"*) ;;
    *) export PATH="$wrappers:$PATH" ;;
  esac
fi
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree=d;mshtml=d"
# The ANSI code page 1250 comes from the Czech locale.
export LANG=cs_CZ.UTF-8
export LC_ALL=cs_CZ.UTF-8
