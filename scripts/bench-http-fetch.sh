#!/bin/bash
# Benchmark: fetches a 16 MiB page from a loopback server with HttpPageFetcher
# under Wine, with a bare loop of the same 250-byte InternetReadFile calls (the
# floor) and with curl (a reference), alternating, and prints the medians and
# the ratios. The Wine figures are the fetch alone, timed inside the program
# (Wine's start-up is left out); curl's is its own time_total.
#
# Wine runs pinned to one CPU in its own prefix (see scripts/bench-fetch-env.sh).
# Usage: scripts/bench-http-fetch.sh [build tree (build/windows)] [runs (9)] [bytes (16777216)]
set -euo pipefail
bench_target=http_fetch_bench
source "$(dirname "$0")/bench-fetch-env.sh" "$@"

fetch_wine() { # [bare]
  timeout 120 "${pin[@]}" wine "$exe" "$url" "$bytes" "$@" </dev/null | cut -d' ' -f1
}
fetch_curl() {
  local got
  got="$(timeout 120 curl -s -o /dev/null -w '%{time_total} %{size_download}' "$url")"
  [ "${got#* }" = "$bytes" ] || { echo "curl fetched ${got#* } bytes" >&2; return 1; }
  echo "${got% *}"
}

# One untimed round warms the server, the page cache and Wine.
fetch_wine >/dev/null
fetch_wine bare >/dev/null
fetch_curl >/dev/null
wine_times=()
bare_times=()
curl_times=()
for ((i = 1; i <= rounds; i++)); do
  wine_times+=("$(fetch_wine)")
  bare_times+=("$(fetch_wine bare)")
  curl_times+=("$(fetch_curl)")
  echo "run $i: HttpPageFetcher ${wine_times[-1]} s, bare read loop ${bare_times[-1]} s," \
       "curl ${curl_times[-1]} s"
done

/usr/bin/python3 - "$bytes" "${wine_times[*]}" "${bare_times[*]}" "${curl_times[*]}" <<'PY'
import statistics, sys
size = int(sys.argv[1])
wine, bare, curl = (statistics.median(map(float, a.split())) for a in sys.argv[2:5])
rate = lambda t: f"{size / t / 2**20:.0f} MiB/s"
print(f"{size} bytes, medians: HttpPageFetcher {wine:.4f} s ({rate(wine)}), "
      f"bare 250-byte InternetReadFile loop {bare:.4f} s ({rate(bare)}), curl {curl:.4f} s ({rate(curl)})")
print(f"  HttpPageFetcher / bare loop {wine / bare:.2f}x "
      f"(target at most 1.1x: {'met' if wine / bare <= 1.1 else 'missed'})")
print(f"  HttpPageFetcher / curl {wine / curl:.2f}x (reference)")
PY
