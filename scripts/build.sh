#!/bin/sh
# Configures and builds Tavrik. Usage: scripts/build.sh [release|ci] ; default release.
#   release  optimised build in build/
#   ci       warnings as errors, assertions, AddressSanitizer and UndefinedBehaviorSanitizer, in build-ci/;
#            at -O1 with line tables only, half the compile time of -O2 -g, and stack traces still
#            name files and lines
set -eu
cd "$(dirname "$0")/.."
kind="${1:-release}"
jobs="${TAVRIK_JOBS:-$(nproc)}"
case "$kind" in
  release) dir=build; set -- -DCMAKE_BUILD_TYPE=Release ;;
  ci) dir=build-ci
      set -- -DCMAKE_BUILD_TYPE=RelWithDebInfo "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g1 -DNDEBUG" \
             -DTAVRIK_WERROR=ON -DTAVRIK_SANITIZE=ON -DTAVRIK_ASSERTS=ON -DTAVRIK_BUILD_BENCH=OFF ;;
  *) echo "usage: $0 [release|ci]" >&2; exit 2 ;;
esac
cmake -S . -B "$dir" -G Ninja "$@"
cmake --build "$dir" -j "$jobs"
