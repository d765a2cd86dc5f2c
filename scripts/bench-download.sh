#!/bin/bash
# Benchmark: fetches a 16 MiB page from a loopback server alternately with
# HttpPageFetcher (into memory) and DownloadPageToFile (into a file) in one
# Wine process, both reading 250 bytes at a time, and prints both medians and
# their ratio. Times are taken inside the program (Wine's start-up is left out).
#
# Pinned to one CPU and in its own prefix, as scripts/bench-fetch-env.sh
# explains; ZEMIT_BENCH_UNPINNED=1 measures unpinned.
# Usage: scripts/bench-download.sh [build tree (build/windows)] [rounds (9)] [bytes (16777216)]
set -euo pipefail
bench_target=download_bench
bench_cleanup_extra() { rm -rf "${output_dir:-}"; }
source "$(dirname "$0")/bench-fetch-env.sh" "$@"
output_dir="$(mktemp -d)"
output="Z:$(echo "$output_dir/page.bin" | tr / '\\')"

# One untimed round warms the server, the page cache and Wine.
times="$(timeout 600 "${pin[@]}" wine "$exe" "$url" "$bytes" "$output" $((rounds + 1)) </dev/null |
  tr -d '\r' | tail -n +2)"
echo "$times" | awk '{ printf "run %d: HttpPageFetcher %s s, DownloadPageToFile %s s\n", NR, $1, $2 }'

/usr/bin/python3 - "$bytes" "$times" <<'PY'
import statistics, sys
size = int(sys.argv[1])
rows = [line.split() for line in sys.argv[2].splitlines() if line.strip()]
fetch = statistics.median(float(r[0]) for r in rows)
download = statistics.median(float(r[1]) for r in rows)
ratio = download / fetch
print(f"{size} bytes, {len(rows)} rounds: median HttpPageFetcher {fetch:.4f} s "
      f"({size / fetch / 2**20:.1f} MiB/s), median DownloadPageToFile {download:.4f} s "
      f"({size / download / 2**20:.1f} MiB/s), ratio {ratio:.2f}x "
      f"(target at most 1.2x: {'met' if ratio <= 1.2 else 'missed'})")
PY
