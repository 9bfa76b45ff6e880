#!/usr/bin/env bash
# Installs what is missing, builds, lays out a program folder, starts the stand-in backend with its
# sample shop in the background and runs the program against it. The stand-in stops when the
# program ends. Needs a display, or QT_QPA_PLATFORM=offscreen to run headless.
#   VMR_DEMO_DIR      program folder (default: build/demo)
#   VMR_STANDIN_PORT  the stand-in's port on 127.0.0.1 (default: 8780)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${VMR_BUILD_DIR:-$root/build}"
program="${VMR_DEMO_DIR:-$build/demo}"
port="${VMR_STANDIN_PORT:-8780}"

"$root/scripts/setup.sh"
"$root/scripts/build.sh"
cmake --install "$build" --prefix "$program" >/dev/null

"$program/vmr-standin" --port "$port" --data "$program/standin" &
standin=$!
trap 'kill "$standin" 2>/dev/null || true; wait "$standin" 2>/dev/null || true' EXIT

for _ in $(seq 50); do
  (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null && break
  kill -0 "$standin" 2>/dev/null || { echo "demo: the stand-in did not start" >&2; exit 1; }
  sleep 0.1
done

echo "demo: sample shop login: ID vmrdemo, password demo1234"
echo "demo: a guest's table request: $program/vmr-standin guest-request --port $port A3 \"물 주세요\" [COUNT]"
VMR_PROGRAM_DIR="$program" VMR_BACKEND_HOST="127.0.0.1:$port" "$program/VmrZLM" "$@"
