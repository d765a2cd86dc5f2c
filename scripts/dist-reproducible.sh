#!/bin/bash
# Checks that `make dist` is reproducible: builds zemit.exe, the portable zip
# and the installer twice from one commit's sources, in two fresh trees at
# paths of different lengths, and compares them byte for byte. Two Windows
# builds, so not part of `make test`. With ZEMIT_SIGN_PFX and
# ZEMIT_SIGN_PASSWORD_FILE set, both builds sign, and the signed files are
# compared (without ZEMIT_SIGN_TIMESTAMP_URL: a timestamp carries the server's time).
# Usage: scripts/dist-reproducible.sh [commit (HEAD)]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
commit="${1:-HEAD}"

mkdir -p "$root/build"
work="$(mktemp -d "$root/build/reproducible.XXXXXX")"
trap 'rm -rf "$work"' EXIT
# Both builds take their file times from the commit.
SOURCE_DATE_EPOCH="$(git -C "$root" log -1 --format=%ct "$commit")"
export SOURCE_DATE_EPOCH
# The trees hold no certificate: its files are named from here.
for setting in ZEMIT_SIGN_PFX ZEMIT_SIGN_PASSWORD_FILE; do
  if [ -n "${!setting:-}" ]; then export "$setting=$(realpath "${!setting}")"; fi
done
if [ -n "${ZEMIT_SIGN_PFX:-}" ]; then signing="signed with $ZEMIT_SIGN_PFX"; else signing=unsigned; fi
echo "dist-reproducible: $signing" >&2

trees=("$work/a" "$work/second-tree")
for tree in "${trees[@]}"; do
  mkdir -p "$tree"
  git -C "$root" archive "$commit" | tar -x -C "$tree"
  echo "dist-reproducible: building $commit in $tree" >&2
  # Ninja prints a failed step's output on its standard output: shown on failure.
  if ! (cd "$tree" && cmake --preset windows >/dev/null &&
        cmake --build --preset windows --target dist >"$tree.log"); then
    grep -v '^\[' "$tree.log" >&2
    exit 1
  fi
done

status=0
for file in zemit.exe dist/zemit-*-portable.zip dist/zemit-*-setup.exe; do
  first="$(cd "${trees[0]}/build/windows" && ls $file)"
  a="${trees[0]}/build/windows/$first" b="${trees[1]}/build/windows/$first"
  if cmp -s "$a" "$b"; then
    echo "identical  $(basename "$first")  $(stat -c %s "$a") bytes  sha256 $(sha256sum <"$a" | cut -c1-16)"
  else
    echo "DIFFERENT  $(basename "$first")  $(cmp "$a" "$b" | head -1)"
    status=1
  fi
done
exit $status
