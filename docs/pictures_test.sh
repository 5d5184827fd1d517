#!/usr/bin/env bash
# The pictures of the README and the guide show the window as the program draws it now: made again in a
# fresh folder, every one is the committed picture byte for byte. When what the window shows changes on
# purpose, `bash docs/screenshots.sh` makes them again, to be looked at and committed.
#   bash docs/pictures_test.sh <build folder>
set -euo pipefail
cd "$(dirname "$0")/.."
# On X11, as the window manager test explains: libxkbcommon-x11's strndup of X replies is no fault of ours.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}strict_string_checks=0"
made=$(mktemp -d)
trap 'rm -rf "$made"' EXIT
bash docs/screenshots.sh "$1" "$made" > "$made/log" 2>&1 || { cat "$made/log"; exit 1; }
status=0
for picture in docs/*.png; do
  if ! cmp -s "$picture" "$made/$(basename "$picture")"; then
    echo "$picture is not what the window shows now: run bash docs/screenshots.sh and look at it" >&2
    status=1
  fi
done
exit $status
