#!/usr/bin/env bash
# Measures the program itself on an X display: the time from starting it to its first painted
# main window (the program reports that moment when TAVRIK_REPORT_FIRST_PAINT is set), and the
# memory it holds once idle (resident set, VmRSS), without a picture and with a 12-megapixel
# JPEG open. The costs inside the program alone are in bench/workbench_bench.cpp.
#
# Usage: bench/program_figures.sh [RUNS]     (default 5; the fastest start-up is reported)
# Environment: TAVRIK_BUILD_DIR (default build-rel, configured as Release when absent).
# Without DISPLAY it runs itself under xvfb-run on a 1280 x 1024 screen.
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${TAVRIK_BUILD_DIR:-$ROOT/build-rel}
RUNS=${1:-5}

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s '-screen 0 1280x1024x24' "$0" "$@"
fi
if [ ! -f "$BUILD/CMakeCache.txt" ]; then
  cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$BUILD" --target tavrik >/dev/null
PROGRAM=$BUILD/src/app/tavrik
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
convert-im6.q16 -seed 1 -size 4000x3000 plasma:fractal -blur 0x1.5 -quality 90 "$WORK/photo.jpg"

# run_once [FILE]: starts the program (with FILE on its command line), waits for its first
# paint, lets it settle for two seconds and stops it; prints "START_MS RSS_KB".
run_once() {
  local start pid painted="" rss
  start=$(date +%s%N)
  TAVRIK_REPORT_FIRST_PAINT=1 "$PROGRAM" "$@" 2>"$WORK/stderr" &
  pid=$!
  for _ in $(seq 200); do
    painted=$(sed -n 's/^first paint at //p' "$WORK/stderr")
    [ -n "$painted" ] && break
    sleep 0.05
  done
  if [ -z "$painted" ]; then
    kill "$pid" 2>/dev/null || true
    echo "the program did not paint within 10 s:" >&2; cat "$WORK/stderr" >&2; exit 1
  fi
  sleep 2
  rss=$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status")
  kill "$pid"; wait "$pid" 2>/dev/null || true
  echo "$(( (painted - start) / 1000000 )) $rss"
}

report() {
  local label=$1 best="" first="" rss="" ms kb; shift
  for ((run = 0; run < RUNS; run++)); do
    read -r ms kb < <(run_once "$@")
    [ -z "$first" ] && first=$ms
    if [ -z "$best" ] || [ "$ms" -lt "$best" ]; then best=$ms; fi
    rss=$kb
  done
  printf '%-28s start to first paint %4d ms (first run %4d ms); idle RSS %6.1f MB\n' \
    "$label" "$best" "$first" "$(awk -v k="$rss" 'BEGIN {print k / 1024}')"
}

echo "$PROGRAM on $DISPLAY, best of $RUNS runs; load average $(cut -d' ' -f1-3 /proc/loadavg)"
report "no picture"
report "12-megapixel JPEG open" "$WORK/photo.jpg"
