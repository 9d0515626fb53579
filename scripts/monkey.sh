#!/usr/bin/env bash
# The monkey test of the whole window under the sanitizer build.
# Usage: scripts/monkey.sh BUILD_DIR SECONDS [SEED]   (extra monkey options in MONKEY_ARGS)
set -uo pipefail
set -f  # MONKEY_ARGS may hold find patterns
build=${1:?usage: monkey.sh BUILD_DIR SECONDS [SEED]}
seconds=${2:?usage: monkey.sh BUILD_DIR SECONDS [SEED]}
seed=${3:-$(date +%s)}
root=$(cd "$(dirname "$0")/.." && pwd)

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUARRANT_SANITIZE=ON >/dev/null || exit 1
cmake --build "$build" --target monkey || exit 1
build=$(cd "$build" && pwd)

export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$root/tests/lsan.supp:print_suppressions=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
log="$build/monkey${LC_ALL:+.$LC_ALL}.log"  # one log per locale the run used
# shellcheck disable=SC2086
"$build/tests/monkey/monkey" --seed "$seed" --seconds "$seconds" --ignore "$build" \
  ${MONKEY_ARGS:-} 2>&1 | tee "$log"
status=${PIPESTATUS[0]}
if [ "$status" -ne 0 ] || grep -q -e 'runtime error' -e 'ERROR: AddressSanitizer' -e 'ERROR: LeakSanitizer' "$log"; then
  echo "== monkey: FAILED (exit $status), replay with: ${LC_ALL:+LC_ALL=$LC_ALL }scripts/monkey.sh $build $seconds $seed"
  exit 1
fi
echo "== monkey: passed${LC_ALL:+ in $LC_ALL}"
