#!/bin/sh
# Builds the sanitized test configuration and runs every test.
set -eu
cd "$(dirname "$0")/.."
scripts/build.sh ci
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$(pwd)/scripts/lsan.supp"
(cd build-ci && ctest --output-on-failure -j "${TAVRIK_JOBS:-$(nproc)}")
# The skin readers' fuzz targets, built with clang, each run briefly from its seed corpus.
scripts/fuzz.sh
