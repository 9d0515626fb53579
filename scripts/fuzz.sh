#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (ASan, UBSan) and runs each in turn.
#   scripts/fuzz.sh BUILD_DIR SECONDS [TARGET...]
# TARGET is evaluator, help_contents, log_line, edit_text or export; all of them when none is
# named. The committed seeds in fuzz/corpus/<target>/ are read but never written; new inputs go to
# BUILD_DIR/corpus/<target>/, crashing inputs to BUILD_DIR/artifacts/<target>/.
# Exits non-zero when any target fails.
set -euo pipefail

build_dir="${1:-build-fuzz}"
seconds="${2:-60}"
shift $(($# < 2 ? $# : 2))
targets=("$@")
[ "${#targets[@]}" -gt 0 ] || targets=(evaluator help_contents log_line edit_text export)
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
jobs="${JOBS:-2}"

# Per target: the longest input tried and what it exercises.
declare -A max_len=([evaluator]=4096 [help_contents]=16384 [log_line]=4096 [edit_text]=2048
                  [export]=8192)
declare -A what=([evaluator]="the expression evaluator"
                 [help_contents]="the help viewer's contents parser and link handling"
                 [log_line]="the log line formatter"
                 [edit_text]="the numeric, spin and date edits' text rules"
                 [export]="the report's text, CSV and HTML export writers")
for target in "${targets[@]}"; do
  if [ -z "${max_len[$target]:-}" ]; then
    echo "Unknown fuzz target: $target" >&2
    exit 2
  fi
done

CC=clang CXX=clang++ cmake -S "$root" -B "$build_dir" -G Ninja \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUARRANT_ENGINE_ONLY=OFF -DQUARRANT_BUILD_FUZZ=ON -DQUARRANT_BUILD_TESTS=OFF
cmake --build "$build_dir" -j "$jobs" --target "${targets[@]/%/_fuzz}"

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
# Leaks inside system libraries (fonts, X) at exit are not ours.
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$root/tests/lsan.supp:print_suppressions=0}"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
# The export target writes and syncs a file per input: memory-backed storage keeps it fast.
if [ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi

failed=()
for target in "${targets[@]}"; do
  corpus="$build_dir/corpus/$target"
  artifacts="$build_dir/artifacts/$target"
  mkdir -p "$corpus" "$artifacts"
  echo "== Fuzzing ${what[$target]} ($target) for ${seconds} s"
  status=0
  "$build_dir/fuzz/${target}_fuzz" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len="${max_len[$target]}" \
    -print_final_stats=1 -dict="$root/fuzz/$target.dict" -artifact_prefix="$artifacts/" \
    "$corpus" "$root/fuzz/corpus/$target" || status=$?
  if [ "$status" -ne 0 ]; then
    echo "The $target fuzz target failed (exit $status); crashing input in $artifacts/" >&2
    failed+=("$target")
  else
    echo "No fault in ${seconds} s of fuzzing $target"
  fi
done
if [ "${#failed[@]}" -gt 0 ]; then
  echo "Failed fuzz targets: ${failed[*]}" >&2
  exit 1
fi
