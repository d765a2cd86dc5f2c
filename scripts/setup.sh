#!/bin/bash
# Installs everything the build and the tests need on a Debian 12 machine.
# Idempotent: does nothing when all of it is already there.
set -euo pipefail

SUDO=""
if [ "$(id -u)" != 0 ]; then
  if ! command -v sudo >/dev/null 2>&1; then
    echo "setup: run as root, or install sudo: installing packages needs one of them" >&2
    exit 1
  fi
  SUDO="sudo"
fi

PACKAGES=(
  mingw-w64 g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix wine wine32:i386 wine64 xvfb xauth
  gcc g++ cmake ninja-build make googletest libbenchmark-dev clang libclang-rt-14-dev
  clang-format locales fonts-liberation fonts-dejavu-core fonts-wine
  python3 python3-pyftpdlib curl nsis osslsigncode openssl
)

missing=()
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
  need_update=1
fi
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  # A mirror in the middle of a sync fails one index now and then: try again,
  # and go on with the lists there are (the install names what it cannot find).
  for try in 1 2 3; do
    $SUDO apt-get update -q && break
    echo "setup: apt-get update failed (try $try of 3)" >&2
    sleep $((try * 10))
  done
  install=($SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends)
  if ! "${install[@]}" "${missing[@]}"; then
    # With one architecture's index of the security suite missing, the i386
    # and amd64 versions of a library can differ, which multiarch refuses:
    # take both from the release itself.
    codename="$(. /etc/os-release && echo "$VERSION_CODENAME")"
    echo "setup: installing again from $codename alone"
    "${install[@]}" -t "$codename" "${missing[@]}"
  fi
fi

# cs_CZ.UTF-8 must exist on the Linux side, or Wine cannot open files with Czech names.
if ! locale -a 2>/dev/null | grep -qi '^cs_CZ\.utf-\?8$'; then
  echo "setup: generating cs_CZ.UTF-8"
  if [ -f /etc/locale.gen ]; then
    $SUDO sed -i 's/^# *\(cs_CZ.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^cs_CZ.UTF-8 UTF-8' /etc/locale.gen || echo 'cs_CZ.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
    $SUDO locale-gen
  else
    $SUDO localedef -i cs_CZ -f UTF-8 cs_CZ.UTF-8
  fi
fi

# Every command that the build, the tests, `make run` and the benchmarks call.
# A missing one is named here, not in an error deep inside a later step.
COMMANDS=(
  gcc g++ clang clang++ clang-format cmake ctest ninja make
  i686-w64-mingw32-gcc-posix i686-w64-mingw32-g++-posix i686-w64-mingw32-windres
  x86_64-w64-mingw32-gcc-posix x86_64-w64-mingw32-g++-posix x86_64-w64-mingw32-windres
  /usr/lib/wine/wine64 wine wineserver wineboot winepath Xvfb xvfb-run xauth
  /usr/bin/python3 curl flock timeout taskset locale makensis osslsigncode openssl
)
absent=()
for c in "${COMMANDS[@]}"; do
  command -v "$c" >/dev/null 2>&1 || absent+=("$c")
done
/usr/bin/python3 -c 'import pyftpdlib' 2>/dev/null || absent+=("python3 module pyftpdlib")
[ -f /usr/src/googletest/CMakeLists.txt ] || absent+=("GoogleTest sources in /usr/src/googletest")
[ -f /usr/include/benchmark/benchmark.h ] || absent+=("Google Benchmark headers")
if [ ${#absent[@]} -gt 0 ]; then
  echo "setup: still missing after installing: ${absent[*]}" >&2
  exit 1
fi
