#!/usr/bin/env bash
# Times a batch recompression at quality 75 on one core: tavrik-batch against the libjpeg work
# it does (decode + encode of the same files in one process), a djpeg | cjpeg pipeline with the
# same settings, and ImageMagick's mogrify. Prints seconds, megapixels per second and ratios.
#
# Usage: bench/batch_vs_peers.sh [CORPUS_DIR]
#   CORPUS_DIR  pictures to recompress (*.jpg, *.bmp at its top level). When it holds none, it is
#               filled by ../shared/bench-corpus/make-corpus.sh (photographs from Debian
#               packages), or with generated pictures when that is not possible.
# Environment: TAVRIK_BUILD_DIR (default build-rel, configured as Release when absent),
#              TAVRIK_BENCH_RUNS (best of, default 3), TAVRIK_BENCH_CPU (core to pin, default 0).
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${TAVRIK_BUILD_DIR:-$ROOT/build-rel}
CORPUS=${1:-$BUILD/bench-corpus}
RUNS=${TAVRIK_BENCH_RUNS:-3}
CPU=${TAVRIK_BENCH_CPU:-0}
MAKE_CORPUS=$ROOT/../shared/bench-corpus/make-corpus.sh
# ImageMagick 6 by its full names: a bare "convert" may be another program.
MOGRIFY=mogrify-im6.q16
CONVERT=convert-im6.q16
IDENTIFY=identify-im6.q16

need() { command -v "$1" >/dev/null || { echo "missing $1 (scripts/setup-debian.sh installs it)" >&2; exit 1; }; }
for tool in cmake ninja djpeg cjpeg $MOGRIFY $CONVERT $IDENTIFY; do need "$tool"; done

BATCH=$BUILD/src/cli/tavrik-batch
LIBJPEG_WORK=$BUILD/bench/jpeg_transcode_bench
if [ ! -f "$BUILD/CMakeCache.txt" ]; then
  cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$BUILD" --target tavrik-batch jpeg_transcode_bench >/dev/null

have_pictures() { compgen -G "$1/*.jpg" >/dev/null || compgen -G "$1/*.bmp" >/dev/null; }

# Smooth fractal "landscapes" of camera and screen sizes, colour and gray, JPEG and BMP.
generate_corpus() {
  local dir=$1 seed=1 size
  mkdir -p "$dir"
  for size in 4000x3000 3264x2448 2560x1600 1920x1080 1280x960 800x600 640x480; do
    $CONVERT -seed $((seed++)) -size "$size" plasma:fractal -blur 0x1.5 -quality 90 "$dir/j-plasma-$size.jpg"
  done
  for size in 2560x1600 1024x768; do
    $CONVERT -seed $((seed++)) -size "$size" plasma:fractal -blur 0x1.5 -colorspace Gray -type Grayscale \
      -quality 90 "$dir/g-plasma-$size.jpg"
  done
  for size in 2560x1600 1280x1024; do
    $CONVERT -seed $((seed++)) -size "$size" plasma:fractal -blur 0x1.5 -type TrueColor BMP3:"$dir/b24-plasma-$size.bmp"
  done
  $CONVERT -seed $((seed++)) -size 1680x1050 plasma:fractal -blur 0x1.5 -colors 256 -type Palette \
    BMP3:"$dir/b8-plasma-1680x1050.bmp"
}

if ! have_pictures "$CORPUS"; then
  echo "Building the corpus in $CORPUS ..."
  if ! { [ -f "$MAKE_CORPUS" ] && bash "$MAKE_CORPUS" "$CORPUS"; }; then
    echo "The photograph corpus could not be built; generating pictures instead." >&2
    rm -rf "$CORPUS"
    generate_corpus "$CORPUS"
  fi
fi

mapfile -t FILES < <(find "$CORPUS" -maxdepth 1 -type f \( -name '*.jpg' -o -name '*.bmp' \) | sort)
[ ${#FILES[@]} -gt 0 ] || { echo "no pictures in $CORPUS" >&2; exit 1; }
MEGAPIXELS=$($IDENTIFY -ping -format '%w %h\n' "${FILES[@]}" 2>/dev/null | awk '{mp += $1 * $2} END {printf "%.1f", mp / 1e6}')

PIN=()
command -v taskset >/dev/null && PIN=(taskset -c "$CPU")
export MAGICK_THREAD_LIMIT=1 OMP_NUM_THREADS=1

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

# The djpeg | cjpeg pipeline with the program's settings: grayscale files (g-*) through the
# 236-level palette, bitmaps read by cjpeg itself.
cat > "$WORK/pipeline.sh" <<'PIPELINE'
out=$1; shift
for f in "$@"; do
  name=$(basename "$f"); target="$out/Yarro_${name%.*}.jpg"
  case "$name" in
    *.bmp) cjpeg -dct float -quality 75 -baseline -outfile "$target" "$f" ;;
    g-*) djpeg -dct float -colors 236 -dither fs "$f" | cjpeg -dct float -quality 75 -baseline > "$target" ;;
    *) djpeg -dct float "$f" | cjpeg -dct float -quality 75 -baseline > "$target" ;;
  esac
done
PIPELINE

# best_of NAME COMMAND...: the run with the least processor time (user + system, children
# included) of RUNS runs, each into an empty folder. Processor time rather than wall time keeps
# the comparison fair on a machine that other work shares.
declare -A CPU_OF WALL_OF
best_of() {
  local name=$1 run real user sys cpu
  shift
  CPU_OF[$name]=""
  for ((run = 0; run < RUNS; run++)); do
    rm -rf "$WORK/out"; mkdir -p "$WORK/out"
    { TIMEFORMAT='%R %U %S'; time "${PIN[@]}" "$@" >/dev/null 2>"$WORK/stderr"; } 2>"$WORK/time" ||
      { cat "$WORK/stderr" >&2; echo "$name failed" >&2; exit 1; }
    read -r real user sys < "$WORK/time"
    cpu=$(awk -v u="$user" -v s="$sys" 'BEGIN {printf "%.3f", u + s}')
    if [ -z "${CPU_OF[$name]}" ] || awk -v c="$cpu" -v b="${CPU_OF[$name]}" 'BEGIN {exit !(c < b)}'; then
      CPU_OF[$name]=$cpu
      WALL_OF[$name]=$real
    fi
  done
}

best_of tavrik-batch "$BATCH" -q 75 -o "$WORK/out" "${FILES[@]}"
best_of libjpeg-work "$LIBJPEG_WORK" --libjpeg-work "${FILES[@]}"
best_of djpeg-cjpeg bash "$WORK/pipeline.sh" "$WORK/out" "${FILES[@]}"
best_of mogrify $MOGRIFY -path "$WORK/out" -format jpg -quality 75 "${FILES[@]}"

echo "Corpus: $CORPUS, ${#FILES[@]} files, $MEGAPIXELS megapixels; best of $RUNS runs on one core"
printf '%-14s %12s %10s %9s %16s\n' tool "CPU seconds" "wall" "MP/s" "CPU time/tavrik"
base=${CPU_OF[tavrik-batch]}
for name in tavrik-batch libjpeg-work djpeg-cjpeg mogrify; do
  awk -v n="$name" -v t="${CPU_OF[$name]}" -v w="${WALL_OF[$name]}" -v b="$base" -v mp="$MEGAPIXELS" \
    'BEGIN {printf "%-14s %12.3f %10.3f %9.1f %16.3f\n", n, t, w, mp / t, t / b}'
done
awk -v t="$base" -v l="${CPU_OF[libjpeg-work]}" -v m="${CPU_OF[mogrify]}" 'BEGIN {
  printf "tavrik-batch / libjpeg work = %.3f (target at most 1.05: %s)\n", t / l, (t / l <= 1.05 ? "met" : "NOT met")
  printf "mogrify / tavrik-batch      = %.3f (target above 1: %s)\n", m / t, (m > t ? "met" : "NOT met") }'
