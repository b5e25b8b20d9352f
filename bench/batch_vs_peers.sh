#!/usr/bin/env bash
# Times a batch recompression at quality 75 on one core: tavrik-batch against the libjpeg work
# it does (decode + encode of the same files in one process), a djpeg | cjpeg pipeline with the
# same settings, and ImageMagick's mogrify. Prints seconds, megapixels per second and ratios.
# Then times tavrik-batch -j 2 on two cores against -j 1 on one (and against the baseline
# below on one core), by wall time: the speed-up; and two independent -j 1 runs at once, one on
# each core, which show how far the machine's two cores scale at all.
#
# Usage: bench/batch_vs_peers.sh [CORPUS_DIR]
#   CORPUS_DIR  pictures to recompress (*.jpg, *.bmp at its top level). When it holds none, it is
#               filled by ../shared/bench-corpus/make-corpus.sh (photographs from Debian
#               packages), or with generated pictures when that is not possible.
# Environment: TAVRIK_BUILD_DIR (default build-rel, configured as Release when absent),
#              TAVRIK_BENCH_RUNS (best of, default 3), TAVRIK_BENCH_CPU (core to pin, default 0),
#              TAVRIK_BENCH_CPUS (the two cores for the two-core run, default 0,1),
#              TAVRIK_BASELINE_BATCH (another tavrik-batch, e.g. an older build, timed on one
#              core beside this one), TAVRIK_BENCH_PEERS (0: time only tavrik-batch, on one and
#              two cores, and build nothing else; default 1).
# Wall times need the cores to be otherwise idle: the load average is printed with the
# results, and the two-core figures mean little when it is well above 0.
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${TAVRIK_BUILD_DIR:-$ROOT/build-rel}
CORPUS=${1:-$BUILD/bench-corpus}
RUNS=${TAVRIK_BENCH_RUNS:-3}
CPU=${TAVRIK_BENCH_CPU:-0}
CPUS=${TAVRIK_BENCH_CPUS:-0,1}
BASELINE=${TAVRIK_BASELINE_BATCH:-}
PEERS=${TAVRIK_BENCH_PEERS:-1}
MAKE_CORPUS=$ROOT/../shared/bench-corpus/make-corpus.sh
# ImageMagick 6 by its full names: a bare "convert" may be another program.
MOGRIFY=mogrify-im6.q16
CONVERT=convert-im6.q16
IDENTIFY=identify-im6.q16

need() { command -v "$1" >/dev/null || { echo "missing $1 (scripts/setup-debian.sh installs it)" >&2; exit 1; }; }
for tool in cmake ninja $CONVERT $IDENTIFY; do need "$tool"; done
[ "$PEERS" = 0 ] || for tool in djpeg cjpeg $MOGRIFY; do need "$tool"; done

BATCH=$BUILD/src/cli/tavrik-batch
LIBJPEG_WORK=$BUILD/bench/jpeg_transcode_bench
if [ ! -f "$BUILD/CMakeCache.txt" ]; then
  cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
targets=(tavrik-batch)
[ "$PEERS" = 0 ] || targets+=(jpeg_transcode_bench)
cmake --build "$BUILD" --target "${targets[@]}" >/dev/null

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
PIN2=()
command -v taskset >/dev/null && PIN=(taskset -c "$CPU") && PIN2=(taskset -c "$CPUS")
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

# measure NAME BY PIN... -- COMMAND...: runs COMMAND (under PIN) RUNS times, each into an empty
# folder, and keeps the run with the least processor time (BY=cpu: user + system, children
# included) or wall time (BY=wall); CPU_OF and WALL_OF hold its times.
declare -A CPU_OF WALL_OF
measure() {
  local name=$1 by=$2 run real user sys cpu pin=() value kept
  shift 2
  while [ "$1" != "--" ]; do pin+=("$1"); shift; done
  shift
  CPU_OF[$name]=""
  WALL_OF[$name]=""
  for ((run = 0; run < RUNS; run++)); do
    rm -rf "$WORK/out"; mkdir -p "$WORK/out"
    { TIMEFORMAT='%R %U %S'; time "${pin[@]}" "$@" >/dev/null 2>"$WORK/stderr"; } 2>"$WORK/time" ||
      { cat "$WORK/stderr" >&2; echo "$name failed" >&2; exit 1; }
    read -r real user sys < "$WORK/time"
    cpu=$(awk -v u="$user" -v s="$sys" 'BEGIN {printf "%.3f", u + s}')
    value=$real
    kept=${WALL_OF[$name]}
    if [ "$by" = cpu ]; then value=$cpu; kept=${CPU_OF[$name]}; fi
    if [ -z "$kept" ] || awk -v v="$value" -v k="$kept" 'BEGIN {exit !(v < k)}'; then
      CPU_OF[$name]=$cpu
      WALL_OF[$name]=$real
    fi
  done
}
# best_of NAME COMMAND...: on one core, by processor time, which keeps the comparison fair on a
# machine that other work shares.
best_of() { local name=$1; shift; measure "$name" cpu "${PIN[@]}" -- "$@"; }

LOAD_BEFORE=$(cut -d' ' -f1-3 /proc/loadavg)
if [ "$PEERS" != 0 ]; then
  best_of tavrik-batch "$BATCH" -q 75 -j 1 -o "$WORK/out" "${FILES[@]}"
  [ -n "$BASELINE" ] && best_of baseline "$BASELINE" -q 75 -o "$WORK/out" "${FILES[@]}"
  best_of libjpeg-work "$LIBJPEG_WORK" --libjpeg-work "${FILES[@]}"
  best_of djpeg-cjpeg bash "$WORK/pipeline.sh" "$WORK/out" "${FILES[@]}"
  best_of mogrify $MOGRIFY -path "$WORK/out" -format jpg -quality 75 "${FILES[@]}"
fi

# One core against two, by wall time, each the fastest of RUNS runs; the baseline (which may
# not know -j) on one core beside them.
runs=(j1-one-core j2-two-cores)
measure j1-one-core wall "${PIN[@]}" -- "$BATCH" -q 75 -j 1 -o "$WORK/out" "${FILES[@]}"
measure j2-two-cores wall "${PIN2[@]}" -- "$BATCH" -q 75 -j 2 -o "$WORK/out" "${FILES[@]}"
if [ -n "$BASELINE" ]; then
  runs+=(baseline-one-core)
  measure baseline-one-core wall "${PIN[@]}" -- "$BASELINE" -q 75 -o "$WORK/out" "${FILES[@]}"
fi
# Two independent one-core runs at once, one on each core, share nothing but the hardware: how
# far this machine's two cores scale at all (on virtual machines often well below 2).
if [ ${#PIN[@]} -gt 0 ]; then
  runs+=(two-j1-at-once)
  measure two-j1-at-once wall -- bash -c 'out=$1 batch=$2 a=$3 b=$4; shift 4; mkdir -p "$out/a" "$out/b"
    taskset -c "$a" "$batch" -q 75 -j 1 -o "$out/a" "$@" & first=$!
    taskset -c "$b" "$batch" -q 75 -j 1 -o "$out/b" "$@" && wait "$first"' \
    pair "$WORK/out" "$BATCH" "${CPUS%%,*}" "${CPUS##*,}" "${FILES[@]}"
fi
LOAD_AFTER=$(cut -d' ' -f1-3 /proc/loadavg)

if [ "$PEERS" != 0 ]; then
  echo "Corpus: $CORPUS, ${#FILES[@]} files, $MEGAPIXELS megapixels; best of $RUNS runs on one core"
  printf '%-14s %12s %10s %9s %16s\n' tool "CPU seconds" "wall" "MP/s" "CPU time/tavrik"
  base=${CPU_OF[tavrik-batch]}
  names=(tavrik-batch libjpeg-work djpeg-cjpeg mogrify)
  [ -n "$BASELINE" ] && names+=(baseline)
  for name in "${names[@]}"; do
    awk -v n="$name" -v t="${CPU_OF[$name]}" -v w="${WALL_OF[$name]}" -v b="$base" -v mp="$MEGAPIXELS" \
      'BEGIN {printf "%-14s %12.3f %10.3f %9.1f %16.3f\n", n, t, w, mp / t, t / b}'
  done
  awk -v t="$base" -v l="${CPU_OF[libjpeg-work]}" -v m="${CPU_OF[mogrify]}" 'BEGIN {
    printf "tavrik-batch / libjpeg work = %.3f (target at most 1.05: %s)\n", t / l, (t / l <= 1.05 ? "met" : "NOT met")
    printf "mogrify / tavrik-batch      = %.3f (target above 1: %s)\n", m / t, (m > t ? "met" : "NOT met") }'
  [ -n "$BASELINE" ] && awk -v t="$base" -v b="${CPU_OF[baseline]}" 'BEGIN {
    printf "tavrik-batch / baseline     = %.3f in CPU time on one core (at most 1 is no slower)\n", t / b }'
  echo
fi

[ "$PEERS" != 0 ] || echo "Corpus: $CORPUS, ${#FILES[@]} files, $MEGAPIXELS megapixels"
echo "Two cores (${CPUS}) against one (${CPU}), wall time, fastest of $RUNS; load average before $LOAD_BEFORE, after $LOAD_AFTER"
printf '%-18s %10s %12s %9s\n' run wall "CPU seconds" "MP/s"
for name in "${runs[@]}"; do
  awk -v n="$name" -v w="${WALL_OF[$name]}" -v c="${CPU_OF[$name]}" -v mp="$MEGAPIXELS" \
    'BEGIN {printf "%-18s %10.3f %12.3f %9.1f\n", n, w, c, mp / w}'
done
awk -v one="${WALL_OF[j1-one-core]}" -v two="${WALL_OF[j2-two-cores]}" 'BEGIN {
  printf "speed-up on two cores = %.3f (target at least 1.9: %s)\n", one / two, (one / two >= 1.9 ? "met" : "NOT met") }'
if [ -n "$BASELINE" ]; then
  awk -v one="${WALL_OF[j1-one-core]}" -v two="${WALL_OF[j2-two-cores]}" -v b="${WALL_OF[baseline-one-core]}" 'BEGIN {
    printf "-j 1 / baseline = %.3f in wall time on one core (at most 1 is no slower)\n", one / b
    printf "speed-up on two cores over the baseline = %.3f\n", b / two }'
fi
if [ ${#PIN[@]} -gt 0 ]; then
  awk -v one="${WALL_OF[j1-one-core]}" -v two="${WALL_OF[j2-two-cores]}" -v pair="${WALL_OF[two-j1-at-once]}" 'BEGIN {
    printf "this machine scales two independent runs by %.3f (twice the files in %.3f s); -j 2 reaches %.0f%% of that\n",
      2 * one / pair, pair, 100 * (one / two) / (2 * one / pair) }'
fi
