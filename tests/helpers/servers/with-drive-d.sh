#!/bin/bash
# Runs a command with drive D: of the Wine prefix $1 linked to a new empty
# folder (exported as ZEMIT_TEST_DRIVE_D). Afterwards the folder goes and the
# prefix's own D: link, if it had one, comes back.
#   with-drive-d.sh <wine prefix> <command...>
set -uo pipefail
prefix="$1"
shift
scripts="$(cd "$(dirname "$0")/../../../scripts" && pwd)"
# The prefix must exist before its dosdevices folder is touched.
WINEPREFIX="$prefix" "$scripts/wine-prefix.sh" || exit 1
folder="$(mktemp -d "${TMPDIR:-/tmp}/zemit-drive-d.XXXXXX")"
link="$prefix/dosdevices/d:"
saved=""
if [ -L "$link" ]; then saved="$(readlink "$link")"; fi
restore() {
  rm -f "$link"
  if [ -n "$saved" ]; then ln -s "$saved" "$link"; fi
  rm -rf "$folder"
}
trap restore EXIT
rm -f "$link"
ln -s "$folder" "$link"
export ZEMIT_TEST_DRIVE_D="$folder"
"$@"
