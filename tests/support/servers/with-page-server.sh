#!/bin/bash
# Runs "$@" beside a fresh loopback page server: exports its port as
# ZEMIT_TEST_HTTP_PORT and a port without listener as ZEMIT_TEST_CLOSED_PORT,
# and stops the server when the command ends. With a first argument
# --bind=HOST:PORT the server listens there instead of on a free port of 127.0.0.1.
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
bind=()
if [[ "${1:-}" == --bind=* ]]; then
  address="${1#--bind=}"
  bind=("${address%:*}" "${address##*:}")
  shift
fi
coproc SERVER { exec /usr/bin/python3 "$here/page_server.py" "${bind[@]}"; }
server_pid=$SERVER_PID
trap 'kill "$server_pid" 2>/dev/null; wait "$server_pid" 2>/dev/null' EXIT
if ! read -t 30 -r port closed_port <&"${SERVER[0]}" || [ -z "${closed_port:-}" ]; then
  echo "with-page-server: the server did not start" >&2
  exit 1
fi
export ZEMIT_TEST_HTTP_PORT="$port" ZEMIT_TEST_CLOSED_PORT="$closed_port"
"$@"
