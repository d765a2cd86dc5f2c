#!/bin/bash
# Runs a command beside a loopback server that is stopped when the command ends:
#   with-server.sh <server.py> [server arguments...] -- <command...>
# The server (run by Debian's /usr/bin/python3) prints NAME=VALUE lines and
# then "ready"; each NAME=VALUE is exported for the command.
set -uo pipefail
server=()
while [ $# -gt 0 ] && [ "$1" != "--" ]; do
  server+=("$1")
  shift
done
shift
coproc SERVER { exec /usr/bin/python3 "${server[@]}"; }
server_pid=$SERVER_PID
trap 'kill "$server_pid" 2>/dev/null; wait "$server_pid" 2>/dev/null' EXIT
line=""
while read -t 30 -r line <&"${SERVER[0]}"; do
  [ "$line" = ready ] && break
  export "$line"
done
if [ "$line" != ready ]; then
  echo "with-server: ${server[0]} did not start" >&2
  exit 1
fi
"$@"
