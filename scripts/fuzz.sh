#!/usr/bin/env bash
# Builds the evaluator's fuzz target with clang (libFuzzer, ASan, UBSan) and runs it.
#   scripts/fuzz.sh BUILD_DIR SECONDS
# The committed seeds in fuzz/corpus are read but never written; new inputs go to
# BUILD_DIR/corpus, crashing inputs to BUILD_DIR/artifacts. Exits non-zero on a crash.
set -euo pipefail

build_dir="${1:-build-fuzz}"
seconds="${2:-60}"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
jobs="${JOBS:-2}"

CC=clang CXX=clang++ cmake -S "$root" -B "$build_dir" -G Ninja \
  -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUARRANT_ENGINE_ONLY=ON -DQUARRANT_BUILD_FUZZ=ON -DQUARRANT_BUILD_TESTS=OFF
cmake --build "$build_dir" -j "$jobs" --target evaluator_fuzz

mkdir -p "$build_dir/corpus" "$build_dir/artifacts"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"

echo "Fuzzing the expression evaluator for ${seconds} s"
status=0
"$build_dir/fuzz/evaluator_fuzz" \
  -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
  -print_final_stats=1 -dict="$root/fuzz/evaluator.dict" -artifact_prefix="$build_dir/artifacts/" \
  "$build_dir/corpus" "$root/fuzz/corpus" || status=$?
if [ "$status" -ne 0 ]; then
  echo "The evaluator fuzz target failed (exit $status); crashing input in $build_dir/artifacts/" >&2
  exit "$status"
fi
echo "No crash in ${seconds} s of fuzzing"
