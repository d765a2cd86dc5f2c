#!/bin/bash
# Creates the private Wine prefix $WINEPREFIX once (of the bitness that
# ZEMIT_WINE_ARCH names, frames drawn by Wine, fonts that Debian's Wine lacks
# replaced, and the screen's dots per inch when ZEMIT_WINE_DPI names them) and
# starts its wineserver. A prefix of the other bitness is made anew.
set -euo pipefail
: "${WINEPREFIX:?WINEPREFIX must be set}"
source "$(dirname "$0")/wine-env.sh"

ready="$WINEPREFIX/.zemit-ready"
mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock 9
if [ "$(cat "$ready" 2>/dev/null)" != "$WINEARCH" ]; then
  echo "wine-prefix: creating $WINEPREFIX" >&2
  rm -rf "$WINEPREFIX"
  timeout 300 wineboot -i </dev/null >/dev/null 2>&1
  timeout 60 wineserver -w
  reg() { timeout 60 wine reg add "$@" /f </dev/null >/dev/null 2>&1; }
  # Without a window manager Wine must draw the frames itself.
  reg 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N
  reg 'HKCU\Software\Wine\X11 Driver' /v Managed /d N
  fonts='HKCU\Software\Wine\Fonts\Replacements'
  reg "$fonts" /v Arial /d 'Liberation Sans'
  reg "$fonts" /v 'Microsoft Sans Serif' /d 'Liberation Sans'
  reg "$fonts" /v 'MS Shell Dlg' /d 'Liberation Sans'
  reg "$fonts" /v 'MS Shell Dlg 2' /d 'Liberation Sans'
  reg "$fonts" /v 'Times New Roman' /d 'Liberation Serif'
  reg "$fonts" /v 'Courier New' /d 'Liberation Mono'
  reg "$fonts" /v Tahoma /d 'DejaVu Sans'
  reg "$fonts" /v 'Comic Sans MS' /d 'DejaVu Sans'
  timeout 60 wineserver -w
  cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  echo "$WINEARCH" >"$ready"
fi
if [ -n "${ZEMIT_WINE_DPI:-}" ] && [ "$(cat "$WINEPREFIX/.zemit-dpi" 2>/dev/null)" != "$ZEMIT_WINE_DPI" ]; then
  timeout 60 wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD \
    /d "$ZEMIT_WINE_DPI" /f </dev/null >/dev/null 2>&1
  timeout 60 wineserver -w
  echo "$ZEMIT_WINE_DPI" >"$WINEPREFIX/.zemit-dpi"
fi
# Tests register a recorder as the browser, so that no real browser opens.
if [ -n "${ZEMIT_URL_RECORDER:-}" ] && [ ! -f "$WINEPREFIX/.zemit-recorder" ]; then
  recorder="Z:$(echo "$ZEMIT_URL_RECORDER" | tr / '\\')"
  for scheme in http https; do
    timeout 60 wine reg add "HKCR\\$scheme\\shell\\open\\command" /ve /d "\"$recorder\" \"%1\"" /f \
      </dev/null >/dev/null 2>&1
  done
  timeout 60 wineserver -w
  touch "$WINEPREFIX/.zemit-recorder"
fi
