#!/bin/bash
# Packs zemit.exe signed with a code-signing certificate of a CA, both made
# here and thrown away, and checks the three signatures against that CA:
# zemit.exe in the zip, the installer, and the uninstaller it installs. The
# signed installer installs silently, in a Wine prefix of its own, and the
# installed program starts (where this machine runs the build's programs). A
# signing refused inside the installer's build (after zemit.exe was signed)
# stops the packing with one line and leaves no package.
# Usage: signing-test.sh <zemit.exe> <zemit_snapshot.exe> <work folder> <packing command...>
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
exe="$(realpath "${1:?zemit.exe}")" snapshot="$(realpath "${2:?zemit_snapshot.exe}")"
work="$(realpath -m "${3:?work folder}")"
shift 3 # the rest is the packing command
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$exe" "$snapshot" "$work" "$@"
fi

fail() { echo "signing-test: $*" >&2; exit 1; }
source "$(dirname "$0")/installer-prefix.sh"
mkdir -p "$work" && cd "$work"

openssl req -x509 -newkey rsa:2048 -nodes -keyout ca.key -out ca.pem -days 2 \
  -subj "/CN=Zemit test CA" -addext basicConstraints=critical,CA:TRUE \
  -addext keyUsage=critical,keyCertSign 2>/dev/null
openssl req -newkey rsa:2048 -nodes -keyout signer.key -out signer.csr \
  -subj "/CN=Zemit test signer" 2>/dev/null
printf 'keyUsage=critical,digitalSignature\nextendedKeyUsage=codeSigning\n' >signer.ext
openssl x509 -req -in signer.csr -CA ca.pem -CAkey ca.key -CAcreateserial -days 2 \
  -extfile signer.ext -out signer.pem 2>/dev/null
head -c 12 /dev/urandom | base64 >password
openssl pkcs12 -export -inkey signer.key -in signer.pem -out signer.pfx -passout file:password

# The password goes wrong once zemit.exe is signed: the uninstaller's and the
# installer's signing, inside makensis, are refused.
cp password changing
printf '#!/bin/sh\nosslsigncode "$@" && echo wrong >"%s"\n' "$work/changing" >then-wrong
chmod +x then-wrong
if "$@" --exe "$exe" --out-dir refused --sign-pfx signer.pfx --sign-password-file changing \
  --osslsigncode "$work/then-wrong" >said 2>&1
then fail "packed with a wrong password"; fi
[ "$(cat changing)" = wrong ] || fail "zemit.exe was not signed first: $(cat said)"
[ "$(wc -l <said)" = 1 ] && grep -q signer.pfx said || fail "not one line on the certificate: $(cat said)"
! ls refused/zemit-* 2>/dev/null || fail "a refused signing left a package"

"$@" --exe "$exe" --out-dir packed --sign-pfx signer.pfx --sign-password-file password
signed() {
  osslsigncode verify -CAfile ca.pem -in "$1" >verified 2>&1 ||
    fail "$1 is not signed by the test CA: $(tail -3 verified)"
}
/usr/bin/python3 -m zipfile -e packed/zemit-*-portable.zip portable
signed portable/Zemit/zemit.exe
signed packed/zemit-*-setup.exe
if [ "$ZEMIT_WINE_ARCH" = win32 ]; then
  source "$root/scripts/wine32.sh"
  if [ "$ZEMIT_WINE32" != yes ]; then
    echo "signing-test: zip and installer signed; the installer not run: $ZEMIT_WINE32_WHY"
    exit 0
  fi
fi

"$root/scripts/wine-prefix.sh"
timeout 60 wineserver -p
timeout 60 wine cmd /c exit </dev/null >/dev/null 2>&1 || true
timeout 120 wine packed/zemit-*-setup.exe /S </dev/null || fail "the signed installer ended with $?"
folder="$WINEPREFIX/drive_c/Program Files/Zemit"
signed "$folder/uninstall.exe"
timeout 120 wine "$snapshot" "$(winepath -w "$work/zemit.png")" "$(winepath -w "$folder/zemit.exe")" \
  </dev/null || fail "the installed program did not start"
echo "signing-test: zip, installer and uninstaller signed; the signed installer installs a working program"
