#!/bin/sh
# Installs a build into a staging folder and checks what a desktop will find there: both
# programs answering --version, a menu entry that desktop-file-validate accepts, the icon at
# every hicolor size as RGBA PNGs of that size, and manual pages that format without warnings.
# Usage: scripts/check-install.sh BUILD_DIR
set -eu
build=${1:?usage: check-install.sh BUILD_DIR}
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
fail() { echo "check-install: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$stage/usr" >/dev/null
share=$stage/usr/share

for program in tavrik tavrik-batch; do
  [ -x "$stage/usr/bin/$program" ] || fail "bin/$program is missing"
  version=$("$stage/usr/bin/$program" --version) || fail "$program --version failed"
  echo "$version" | grep -Eqx "$program \(Tavrik\) [0-9]+(\.[0-9]+)*" || fail "$program --version printed: $version"
done

desktop=$share/applications/tavrik.desktop
[ -f "$desktop" ] || fail "the menu entry is missing"
problems=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $problems"
[ -z "$problems" ] || fail "desktop-file-validate: $problems"
for line in 'Exec=tavrik %F' 'Icon=tavrik' 'Categories=Graphics;' 'MimeType=image/jpeg;image/bmp;'; do
  grep -qxF "$line" "$desktop" || fail "the menu entry lacks $line"
done
for key in 'Name' 'Name\[zh_CN\]' 'Comment' 'Comment\[zh_CN\]'; do
  grep -q "^$key=." "$desktop" || fail "the menu entry lacks $key"
done

# A PNG's header: width and height (4 bytes each, big-endian), bit depth, colour type (6 = RGBA).
for size in 16 32 48 64 128 256; do
  icon=$share/icons/hicolor/${size}x${size}/apps/tavrik.png
  [ -f "$icon" ] || fail "the ${size}x${size} icon is missing"
  header=$(od -An -tu1 -j16 -N10 "$icon" | tr -s ' ' | sed 's/^ //')
  expected="0 0 $((size / 256)) $((size % 256)) 0 0 $((size / 256)) $((size % 256)) 8 6"
  [ "$header" = "$expected" ] || fail "the ${size}x${size} icon is not an RGBA PNG of that size: $header"
done

for page in tavrik tavrik-batch; do
  manual=$share/man/man1/$page.1
  [ -f "$manual" ] || fail "the manual page $page.1 is missing"
  grep -q '@' "$manual" && fail "$page.1 has an unfilled placeholder"
  warnings=$(LC_ALL=C.UTF-8 groff -k -man -Tutf8 -ww -z "$manual" 2>&1)
  [ -z "$warnings" ] || fail "$page.1: $warnings"
done
echo "check-install: the staged installation is complete"
