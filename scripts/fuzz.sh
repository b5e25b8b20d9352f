#!/bin/sh
# Builds the fuzz targets with clang in build-fuzz/ and runs each for a short while from its
# seeds; new inputs go to build-fuzz/corpus/<target>. The time limit per input is generous: it
# is counted in wall-clock time, which a busy machine stretches.
#   TAVRIK_FUZZ_SECONDS  time per target (default 15)
#   TAVRIK_FUZZ_TARGETS  the targets to run (default all), e.g. "Bmp Jpeg"
# The skin readers start from fuzz/corpus/<target>. The picture readers start from the BMP and
# JPEG files of the shared test data (JPEG files up to 64 KiB, gathered into build-fuzz/seeds)
# and from fuzz/corpus/<target>, which keeps the inputs that once made them fail.
set -eu
cd "$(dirname "$0")/.."
seconds="${TAVRIK_FUZZ_SECONDS:-15}"
jobs="${TAVRIK_JOBS:-$(nproc)}"
targets="${TAVRIK_FUZZ_TARGETS:-SkinIni PicturesStream CompressedSkin Bmp Jpeg PictureLoader UriList}"
testdata="${TAVRIK_SHARED_DIR:-$(pwd)/../shared}/testdata"
cmake -S fuzz -B build-fuzz -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g1" >/dev/null
cmake --build build-fuzz -j "$jobs"

mkdir -p build-fuzz/seeds/jpeg
find "$testdata/jpeg" -type f \( -name '*.jpg' -o -name '*.jpeg' \) -size -64k \
     -exec cp {} build-fuzz/seeds/jpeg/ \;
bmp_seeds="$testdata/bmpsuite/g $testdata/bmpsuite/q $testdata/bmpsuite/b $testdata/bmpsuite/x"

for target in $targets; do
  case "$target" in
    Bmp) seeds="$bmp_seeds" ;;
    Jpeg) seeds="build-fuzz/seeds/jpeg" ;;
    PictureLoader) seeds="$bmp_seeds build-fuzz/seeds/jpeg" ;;
    *) seeds="" ;;
  esac
  mkdir -p "build-fuzz/corpus/$target"
  [ -d "fuzz/corpus/$target" ] && seeds="fuzz/corpus/$target $seeds"
  echo "fuzzing $target for ${seconds}s"
  # shellcheck disable=SC2086 # the seed folders are separate arguments
  "build-fuzz/${target}Fuzzer" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2560 -print_final_stats=1 \
      -artifact_prefix="build-fuzz/$target-" "build-fuzz/corpus/$target" $seeds \
      2>"build-fuzz/$target.log" || {
    tail -n 60 "build-fuzz/$target.log"
    exit 1
  }
done
