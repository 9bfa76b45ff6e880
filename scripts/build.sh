#!/usr/bin/env bash
# Configures and builds into build/ (or $VMR_BUILD_DIR): everything, or the targets given
# (`scripts/build.sh --target vmr_program`).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${VMR_BUILD_DIR:-$root/build}"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --parallel "$(nproc)" "$@"
