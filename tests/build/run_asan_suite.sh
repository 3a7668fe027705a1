#!/usr/bin/env bash
# Brings the sanitizer build up to date and runs its suite, so that the host
# ctest run reports it as one test (with the sanitizer's full output on
# failure).
#   run_asan_suite.sh <asan build dir> <cmake> <ctest>
set -uo pipefail
dir=$1 cmake=$2 ctest=$3
if [[ -n ${SLATEBAR_SKIP_ASAN:-} ]]; then
  echo "SKIP: SLATEBAR_SKIP_ASAN is set"
  exit 77
fi
if [[ ! -f $dir/CMakeCache.txt ]]; then
  echo "SKIP: $dir is not configured (cmake --preset host-asan, or scripts/test)"
  exit 77
fi
"$cmake" --build "$dir" -j "${SLATEBAR_JOBS:-2}" || exit 1
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-}
"$ctest" --test-dir "$dir" --output-on-failure --no-tests=error
