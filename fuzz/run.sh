#!/usr/bin/env bash
# Fuzzes every target of fuzz/ for real, one after the other, each for the given number of seconds
# (default 60), starting from its seed corpus. New inputs go to a scratch corpus, never into the
# seeds; an input that crashes a target is kept in build/fuzz-findings/<target>/ and makes the
# script fail. Add such an input to the target's seed corpus once its fault is mended.
#   fuzz/run.sh [seconds]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-60}"
build="${VMR_BUILD_DIR:-$root/build}/fuzz"
findings="${VMR_BUILD_DIR:-$root/build}/fuzz-findings"

cmake -S "$root/fuzz" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build"

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
failed=()
for source in "$root"/fuzz/*_fuzz.cpp; do
  target="$(basename "$source" .cpp)"
  name="${target%_fuzz}"
  mkdir -p "$scratch/$name" "$findings/$target"
  echo "fuzz: $target for ${seconds}s"
  if ! "$build/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$findings/$target/" "$scratch/$name" "$root/fuzz/corpus/$name" \
      >"$scratch/$target.log" 2>&1; then
    tail -n 40 "$scratch/$target.log"
    failed+=("$target")
  else
    grep -E "^stat::number_of_executed_units|^Done" "$scratch/$target.log" || true
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz: findings in ${failed[*]} (inputs in $findings)" >&2
  exit 1
fi
echo "fuzz: no finding"
