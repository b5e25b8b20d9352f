#!/bin/sh
# Builds the skin fuzz targets with clang in build-fuzz/ and runs each for a short while from
# its seed corpus (fuzz/corpus/<target>); new inputs go to build-fuzz/corpus/<target>.
# TAVRIK_FUZZ_SECONDS sets the time per target (default 15).
set -eu
cd "$(dirname "$0")/.."
seconds="${TAVRIK_FUZZ_SECONDS:-15}"
jobs="${TAVRIK_JOBS:-$(nproc)}"
cmake -S fuzz -B build-fuzz -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j "$jobs"
for target in SkinIni PicturesStream CompressedSkin; do
  mkdir -p "build-fuzz/corpus/$target"
  echo "fuzzing $target for ${seconds}s"
  "build-fuzz/${target}Fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2560 -print_final_stats=0 -artifact_prefix="build-fuzz/$target-" \
      "build-fuzz/corpus/$target" "fuzz/corpus/$target" 2>"build-fuzz/$target.log" || {
    tail -n 60 "build-fuzz/$target.log"
    exit 1
  }
done
