#!/bin/sh
# Runs the workbench's random-input session under the sanitizers for as long as asked.
# Usage: scripts/random-input.sh [EVENTS] [SEED...]
#   EVENTS  the inputs per session (default 100000)
#   SEED    one session per seed (default: one session with a seed from the clock)
# Builds the sanitized test program in build-ci/ first (the whole CI build when there is none).
# A failing session prints its seed and the events before the failure; the same seed repeats it
# exactly.
set -eu
cd "$(dirname "$0")/.."
events="${1:-100000}"
[ $# -gt 0 ] && shift
seeds="${*:-$(date +%s)}"
# The CI configuration comes from build.sh, which builds everything the first time.
[ -f build-ci/build.ninja ] || TAVRIK_JOBS="${TAVRIK_JOBS:-2}" scripts/build.sh ci
cmake --build build-ci -j "${TAVRIK_JOBS:-2}" --target tavrik_app_tests
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$(pwd)/scripts/lsan.supp"
for seed in $seeds; do
  echo "random input: seed $seed, $events events"
  start=$(date +%s)
  TAVRIK_RANDOM_SEED="$seed" TAVRIK_RANDOM_EVENTS="$events" \
    build-ci/tests/app/tavrik_app_tests --gtest_filter='RandomInputTest.*' --gtest_brief=1
  echo "seed $seed passed in $(( $(date +%s) - start )) s"
done
