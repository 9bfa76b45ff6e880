#!/usr/bin/env bash
# Installs what is missing, builds the program, the stand-in and the build-time pictures (not the
# tests), lays out a program folder, starts the stand-in backend with its sample shop and a
# throwaway patch server in the background and runs the program against them. Both stop when the
# program ends or the script is interrupted. Needs a display, or QT_QPA_PLATFORM=offscreen to run
# headless.
#   VMR_DEMO_DIR      program folder (default: build/demo)
#   VMR_STANDIN_PORT  the stand-in's port on 127.0.0.1 (default: 8780)
#   VMR_STANDIN_KT_PORT, VMR_STANDIN_LG_PORT  its caller-ID services' ports (default: 8781, 8782)
#   VMR_PATCH_HOST    another patch server (with VMR_PATCH_USER, VMR_PATCH_PASSWORD): none is started
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${VMR_BUILD_DIR:-$root/build}"
program="${VMR_DEMO_DIR:-$build/demo}"
port="${VMR_STANDIN_PORT:-8780}"
kt_port="${VMR_STANDIN_KT_PORT:-8781}"
lg_port="${VMR_STANDIN_LG_PORT:-8782}"
# shellcheck source=scripts/demo_patch_server.sh
source "$root/scripts/demo_patch_server.sh"

"$root/scripts/setup.sh"
"$root/scripts/build.sh" --target vmr_program
cmake --install "$build" --prefix "$program" >/dev/null

# The sample shop's caller-ID accounts, so that both services log in at the first activation.
settings="$program/Frshop.cfg"
if ! grep -qi '^\[CID\]' "$settings" 2>/dev/null; then
  printf '%s\r\n' '[CID]' 'CIDUseKT=True' 'CIDUseLG=True' 'ID=vmrkt' 'PW=kt1234' 'KTOAPI_AutoLogin=True' \
    'LGID=vmrlg1' 'LGPW=lg1111' 'LGIP=' 'LGID1=vmrlg2' 'LGPW1=lg2222' 'LGID2=' 'LGPW2=' 'LGID3=' 'LGPW3=' \
    'LGOAPI_AutoLogin=True' >>"$settings"
fi

standin=""
app=""
stop_demo() {
  for pid in $app $standin; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  demo_stop_patch_server
}
trap stop_demo EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

"$program/vmr-standin" --port "$port" --kt-port "$kt_port" --lg-port "$lg_port" --data "$program/standin" &
standin=$!

for _ in $(seq 50); do
  (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null && break
  kill -0 "$standin" 2>/dev/null || { echo "demo: the stand-in did not start" >&2; exit 1; }
  sleep 0.1
done

if [ -n "${VMR_PATCH_HOST:-}" ]; then
  echo "demo: patch server $VMR_PATCH_HOST"
elif ! demo_start_patch_server; then
  demo_stop_patch_server
  echo "demo: no patch server (mariadbd did not start): each login says it cannot reach it" >&2
fi

echo "demo: sample shop login: ID vmrdemo, password demo1234"
echo "demo: customer statistics: 예약통계, then 전 체 검 색 (once the start timer has filled the cache); tick customers and send them an SMS (the credit labels drop, 문자내역 lists it) or the KakaoTalk message"
echo "demo: 예약통계 shows the sample shop's link image (bottom left of the message pages): a click opens its address, 불러오기 replaces it from a PNG or JPEG file"
echo "demo: ring a call with: $program/vmr-standin --port $port ring KT 01078411465 (or ring LG ...)"
echo "demo: a guest's table request: $program/vmr-standin --port $port guest-request A3 \"물 주세요\" [COUNT]"
echo "demo: after a few rings, the board's call history button lists them; tick callers there and send them a message"
# In the background, so that an interrupt reaches the traps at once.
VMR_PROGRAM_DIR="$program" VMR_BACKEND_HOST="127.0.0.1:$port" VMR_CID_KT_HOST="127.0.0.1:$kt_port" \
  VMR_CID_LG_HOST="127.0.0.1:$lg_port" "$program/VmrZLM" "$@" &
app=$!
wait "$app"
