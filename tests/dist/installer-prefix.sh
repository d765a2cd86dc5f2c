# Sourced by the package tests with `root` and `work` set: a Wine prefix of
# their own in $work/wineprefix, where installed shortcuts make no menu
# entries of the Linux desktop and no browser is opened, removed with all of
# $work when the script ends (and first, with what an interrupted run left).
export WINEPREFIX="$work/wineprefix"
source "$root/scripts/wine-env.sh" "" # of the bitness ZEMIT_WINE_ARCH names
unset ZEMIT_URL_RECORDER
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"
cleanup() {
  if [ -d "$WINEPREFIX" ]; then
    timeout 30 wineserver -k >/dev/null 2>&1 || true
    timeout 30 wineserver -w >/dev/null 2>&1 || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT
cleanup
