# Shared set-up of the fetch benchmarks. A benchmark sets bench_target (its
# executable's target) and sources this file with its own arguments:
#   [build tree (build/windows)] [rounds (9)] [bytes (16777216)]
# The script is run again under xvfb-run first.
# Wine and its wineserver run pinned to one CPU: every 250-byte read is a
# round trip to the wineserver, and on an otherwise idle virtual machine the
# wake-up of a second, halted CPU for each one made the fetch ten times slower.
# ZEMIT_BENCH_UNPINNED=1 measures that case too. The prefix is the benchmarks'
# own, so a test run's wineserver is never touched.
# Gives: root, build, rounds, bytes, exe (the built benchmark), pin (the
# command prefix), url (a page of `bytes` bytes on a loopback page server);
# `bench_cleanup_extra` may be defined for more clean-up.
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(cd "${1:-$root/build/windows}" && pwd)"
rounds="${2:-9}"
bytes="${3:-16777216}"

if [ -z "${ZEMIT_UNDER_XVFB:-}" ]; then
  export ZEMIT_UNDER_XVFB=1
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$build" "$rounds" "$bytes"
fi

cmake --build "$build" --target "$bench_target" >/dev/null
exe="$build/bench/windows/$bench_target.exe"

export WINEPREFIX="$build/wineprefix-bench"
source "$root/scripts/wine-env.sh" "$build"
"$root/scripts/wine-prefix.sh"
pin=(taskset -c 0)
if [ -n "${ZEMIT_BENCH_UNPINNED:-}" ]; then pin=(); fi

server_pid=""
bench_cleanup() {
  if [ -n "$server_pid" ]; then kill "$server_pid" 2>/dev/null || true; fi
  timeout 30 wineserver -k >/dev/null 2>&1 || true
  timeout 30 wineserver -w >/dev/null 2>&1 || true
  if declare -F bench_cleanup_extra >/dev/null; then bench_cleanup_extra; fi
}
trap bench_cleanup EXIT
timeout 30 wineserver -k >/dev/null 2>&1 || true
timeout 30 wineserver -w >/dev/null 2>&1 || true
timeout 60 "${pin[@]}" wineserver -p </dev/null >/dev/null 2>&1
timeout 60 "${pin[@]}" wine cmd /c exit </dev/null >/dev/null 2>&1 || true

coproc SERVER { exec /usr/bin/python3 "$root/tests/helpers/servers/page_server.py"; }
server_pid=$SERVER_PID
read -t 30 -r port <&"${SERVER[0]}" # ZEMIT_TEST_HTTP_PORT=<port>
port="${port#*=}"
url="http://127.0.0.1:$port/pattern/$bytes"
