#!/bin/bash
# Checks that `make dist` is reproducible: builds zemit.exe, the portable zip
# and the installer twice from one commit's sources, in two fresh trees at
# paths of different lengths, and compares them byte for byte. Two Windows
# builds, so not part of `make test`.
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

trees=("$work/a" "$work/second-tree")
for tree in "${trees[@]}"; do
  mkdir -p "$tree"
  git -C "$root" archive "$commit" | tar -x -C "$tree"
  echo "dist-reproducible: building $commit in $tree" >&2
  (cd "$tree" && cmake --preset windows >/dev/null && cmake --build --preset windows --target dist >/dev/null)
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
