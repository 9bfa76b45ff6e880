#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through CTest.
#   scripts/test.sh [ctest arguments]              the ordinary build in build/ (or $VMR_BUILD_DIR)
#   scripts/test.sh --sanitize [ctest arguments]   the whole suite once more, built afresh with GCC's
#       AddressSanitizer and UndefinedBehaviorSanitizer in build-sanitize/; the first finding ends
#       its test with a failure
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
sanitize=false
if [ "${1:-}" = "--sanitize" ]; then
  sanitize=true
  shift
fi
"$root/scripts/setup.sh"

if ! $sanitize; then
  "$root/scripts/build.sh"
  cd "${VMR_BUILD_DIR:-$root/build}"
  QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)" "$@"
  exit
fi

# A folder of its own, made anew each time, so that nothing of an earlier build or run is reused.
# The fuzz targets carry these sanitizers already and run in the ordinary suite.
build="$root/build-sanitize"
rm -rf "$build"
flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=gcc -DCMAKE_CXX_COMPILER=g++ -DVMR_FUZZ=OFF \
  -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="$flags" >/dev/null
cmake --build "$build" --parallel "$(nproc)"
cd "$build"
# Options already in the environment come last and win (ASAN_OPTIONS=detect_leaks=0, for one).
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)" "$@"
