#!/usr/bin/env bash
# Takes screenshots of the real program on a desktop like a user's: a 1280 x 1024 X server
# with a window manager (openbox), a compositor that draws shadows and window opacity
# (xcompmgr -c) and a system-tray host (trayer). It opens pictures from a scratch home folder,
# drives the program with xdotool and writes one PNG of the whole screen per step.
#
# Usage: scripts/screenshots.sh [OUT_DIR] [STEP...]
#   OUT_DIR  where the PNGs go (default shots/ in the current folder)
#   STEP     only these steps (names of the step_* functions below, without "step_")
# Environment: TAVRIK_BUILD_DIR (default build-ci), TAVRIK_TESTDATA (default ../shared/testdata),
#   TAVRIK_SHOT_DISPLAY (default: the first free display from :80).
# Needs (not installed by scripts/setup-debian.sh; CI does not run this): Xvfb, openbox,
# xcompmgr, trayer, xdotool, xmessage, x11-utils, and ImageMagick 6 (import-im6.q16).
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${TAVRIK_BUILD_DIR:-$ROOT/build-ci}
PROGRAM=$BUILD/src/app/tavrik
TESTDATA=${TAVRIK_TESTDATA:-$ROOT/../shared/testdata}
OUT=$(mkdir -p "${1:-shots}" && cd "${1:-shots}" && pwd)
[ $# -gt 0 ] && shift
[ -x "$PROGRAM" ] || { echo "no program at $PROGRAM: build the target tavrik first" >&2; exit 1; }

WORK=$(mktemp -d)
PIDS=()
cleanup() {
  local pid
  for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT

free_display() {
  local n=80
  while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  echo ":$n"
}

background() { "$@" >>"$WORK/desktop.log" 2>&1 & PIDS+=($!); }

start_desktop() {
  export DISPLAY=${TAVRIK_SHOT_DISPLAY:-$(free_display)}
  background Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
  background openbox
  background xcompmgr -c
  background trayer --edge top --align right --widthtype request --height 24 --SetDockType true
  sleep 1
}

# A home folder with a few pictures, one file that is no picture, and a folder for output.
make_home() {
  export HOME=$WORK/home
  mkdir -p "$HOME/Pictures" "$HOME/out"
  cp "$TESTDATA/jpeg/libjpeg-turbo/testorig.jpg" "$TESTDATA/jpeg/libjpeg-turbo/monkey12.jpg" \
     "$TESTDATA/bmpsuite/g/rgb24.bmp" "$TESTDATA/bmpsuite/g/pal8.bmp" "$HOME/Pictures/"
  cp "$TESTDATA/bmpsuite/b/badbitcount.bmp" "$HOME/Pictures/broken.bmp"
  : >"$HOME/Pictures/empty.ico"
  convert-im6.q16 -seed 1 -size 1600x1200 plasma:fractal -blur 0x1 -quality 90 "$HOME/Pictures/photo.jpg"
  chmod -R u+w "$HOME"
}

APP_PID=""
MAIN=""
start_program() {
  stop_program
  ASAN_OPTIONS=detect_leaks=0 "$PROGRAM" "$@" >>"$WORK/program.log" 2>&1 &
  APP_PID=$!
  MAIN=$(xdotool search --sync --onlyvisible --name 'Tavrik' | head -1)
  settle
}

stop_program() {
  [ -n "$APP_PID" ] || return 0
  kill "$APP_PID" 2>/dev/null || true
  wait "$APP_PID" 2>/dev/null || true
  APP_PID=""
}

settle() { sleep "${1:-0.6}"; }

shot() {
  settle
  import-im6.q16 -window root "$OUT/$1.png"
  echo "$OUT/$1.png"
}

# Coordinates relative to the main window's top-left corner (its frame included); a negative
# x counts from its right edge, where the caption buttons stay whatever the window's width.
at() {
  local X Y WIDTH
  eval "$(xdotool getwindowgeometry --shell "$MAIN" | grep -E '^(X|Y|WIDTH)=')"
  if [ "$1" -lt 0 ]; then echo $((X + WIDTH + $1)) $((Y + $2)); else echo $((X + $1)) $((Y + $2)); fi
}
click() { xdotool mousemove $(at "$1" "$2") click "${3:-1}"; settle 0.4; }
hover() { xdotool mousemove $(at "$1" "$2"); }
key() { xdotool key "$@"; settle 0.4; }
type_text() { xdotool type --delay 20 "$1"; }
# The window whose title is the given text, newest first.
window_named() { xdotool search --sync --onlyvisible --name "$1" | tail -1; }

# Places in the main window (frame included), for the layout of the program's own skin.
TAB_PICTURE=(30 42); TAB_BATCH=(99 42); TAB_HELP=(150 42)
BTN_OPEN=(76 92); BTN_CAPTURE=(76 120); BTN_SAVE=(76 149)
BTN_ZOOM_IN=(57 183); BTN_ZOOM_OUT=(97 183)
BTN_CONTRAST=(84 387); BTN_SATURATION=(84 419); BTN_RGB=(84 451)
PICTURE_AREA=(423 268)
CAPTION_ICON=(18 16); CAPTION=(300 16)
BTN_ROLLUP=(-110 16); BTN_MINIMIZE=(-80 16); BTN_MAXIMIZE=(-50 16)
BATCH_IMPORT=(84 100); BATCH_FOLDER=(71 204); BATCH_FOLDER_FIELD=(83 236); BATCH_START=(71 316)

step_pages_empty() {
  start_program
  shot pages-picture-empty
  click "${TAB_BATCH[@]}"; shot pages-batch-empty
  click "${TAB_HELP[@]}"; shot pages-help
}

step_pages_with_picture() {
  start_program "$HOME/Pictures/photo.jpg" "$HOME/Pictures/testorig.jpg" "$HOME/Pictures/rgb24.bmp" \
    "$HOME/Pictures/pal8.bmp"
  shot pages-batch-list
  click "${TAB_PICTURE[@]}"; shot pages-picture-open
  click "${BTN_ZOOM_IN[@]}"; click "${BTN_ZOOM_IN[@]}"; shot pages-picture-zoomed
}

step_colour_dialog() {
  start_program "$HOME/Pictures/testorig.jpg"
  local which
  for which in contrast saturation rgb; do
    case $which in
      contrast) click "${BTN_CONTRAST[@]}" ;;
      saturation) click "${BTN_SATURATION[@]}" ;;
      rgb) click "${BTN_RGB[@]}" ;;
    esac
    shot "colour-$which"
    # A click on the main window behind: the dialog must stay above it and keep the focus.
    [ "$which" = contrast ] && { click 600 480; shot colour-after-click-on-main; }
    key Escape
  done
}

step_menus() {
  start_program "$HOME/Pictures/testorig.jpg"
  click "${PICTURE_AREA[@]}" 3; shot menu-picture
  key Escape
  click "${CAPTION_ICON[@]}"; shot menu-system
  key Escape
}

step_hint() {
  start_program
  hover "${BTN_ZOOM_IN[@]}"; settle 2; shot hint-zoom
}

step_window_states() {
  start_program "$HOME/Pictures/testorig.jpg"
  click "${BTN_ROLLUP[@]}"; shot state-rolled-up
  click "${BTN_ROLLUP[@]}"; shot state-unrolled
  click "${BTN_MAXIMIZE[@]}"; shot state-maximized
  click "${BTN_MAXIMIZE[@]}"; shot state-restored
  click "${BTN_MINIMIZE[@]}"; shot state-minimized
  xdotool windowactivate "$MAIN" 2>/dev/null || xdotool windowmap "$MAIN"; shot state-minimized-restored
  background xmessage -center "another window has the focus"
  settle 1; xdotool search --sync --onlyvisible --class xmessage windowactivate
  shot state-inactive
  xdotool windowmove "$MAIN" -200 700; shot state-off-screen
}

step_capture() {
  start_program
  click "${BTN_CAPTURE[@]}"; settle 1; shot capture-shown
  # Two clicks span the rectangle; the band follows the pointer in between.
  xdotool mousemove 250 200 click 1 mousemove 400 300 mousemove 700 560; shot capture-band
  xdotool click 1; shot capture-taken
  # A rectangle without pixels leaves nothing to save.
  click "${BTN_CAPTURE[@]}"; settle 1
  xdotool mousemove 300 300 click 1 click 1; settle 1
  click "${BTN_SAVE[@]}"; shot message-nothing-to-save
  key Return
}

step_messages() {
  start_program "$HOME/Pictures/broken.bmp"
  shot message-bad-file
  key Return
  start_program "$HOME/Pictures/monkey12.jpg"
  shot message-unsupported-jpeg
  key Return
  start_program "$HOME/Pictures/empty.ico"
  shot message-empty-picture
  key Return
  start_program
  click "${BTN_OPEN[@]}"; settle 1; shot dialog-open
  type_text "nosuch.jpg"; key Return; shot message-file-not-found
  key Return
  key Escape; shot message-nothing-chosen
  key Return
  click "${TAB_BATCH[@]}"; click "${BATCH_START[@]}"; shot message-batch-no-folder
  click "${BATCH_FOLDER_FIELD[@]}"; type_text "$HOME/out"
  click "${BATCH_START[@]}"; shot message-batch-empty
  key Return
  click "${BATCH_FOLDER[@]}"; settle 1; shot dialog-folder
  key Escape
}

step_batch_run() {
  start_program "$HOME/Pictures/testorig.jpg" "$HOME/Pictures/rgb24.bmp" "$HOME/Pictures/pal8.bmp" \
    "$HOME/Pictures/monkey12.jpg"
  click "${BATCH_FOLDER_FIELD[@]}"; type_text "$HOME/out"
  click "${BATCH_START[@]}"; settle 1; shot batch-run-error
  key Return; settle 1; shot batch-run-done
}

step_save() {
  start_program "$HOME/Pictures/testorig.jpg"
  click "${BTN_SAVE[@]}"; settle 1; shot dialog-save
  # A folder where nothing can be written: the write fails after the dialog closed.
  type_text "/proc/tavrik.jpg"; key Return; shot message-save-failed
  key Return
}

# The workbench shows no tray icon (its frame has no tray behaviour); the frame's tray icon and
# its menu are shot on the framework's demo window, which has them.
step_tray() {
  local demo=$BUILD/tools/trayhint-demo/tavrik-trayhint-demo pid
  [ -x "$demo" ] || { echo "no $demo: tray not shot" >&2; return 0; }
  stop_program
  ASAN_OPTIONS=detect_leaks=0 "$demo" --to-tray >>"$WORK/program.log" 2>&1 &
  pid=$!
  # Until trayer has embedded the icon (a window of ours at the screen's top right).
  for _ in $(seq 100); do
    xwininfo -root -tree | grep -qE '"Tavrik"\)  [0-9]+x[0-9]+\+0\+0  \+12[0-9]{2}\+' && break
    sleep 0.1
  done
  settle 1
  xdotool mousemove 1267 12; settle 1; shot tray-icon
  xdotool click 3; shot tray-menu
  key Escape
  xdotool click --repeat 2 1; settle 1; shot tray-restored
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}

STEPS=(pages_empty pages_with_picture colour_dialog menus hint window_states capture messages batch_run save tray)
[ $# -gt 0 ] && STEPS=("$@")

start_desktop
make_home
for step in "${STEPS[@]}"; do "step_$step"; done
stop_program
echo "screenshots in $OUT; program output:"
cat "$WORK/program.log"
