#!/usr/bin/env bash
# Makes the README's pictures of the window again (docs/*.png) from the program built in the given build
# folder (build/ by default), on a virtual display.
#   bash docs/screenshots.sh [build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
cmake --build "$build" --target zygora_screenshots
xvfb-run -a -s "-screen 0 1280x1024x24" "$build/docs/zygora_screenshots" docs
for picture in docs/*.png; do
  # Fewer colours keep the pictures small; the window's flat colours survive it.
  convert "$picture" -strip -colors 256 "PNG8:$picture"
done
