#!/usr/bin/env bash
# Makes the pictures of the window in the README and the guide again (docs/*.png) from the program built
# in the given build folder (build/ by default), on a virtual display.
#   bash docs/screenshots.sh [build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
cmake --build "$build" --target zygora_screenshots
xvfb-run -a -s "-screen 0 1280x1024x24" "$build/docs/zygora_screenshots" docs
# The printed report comes as a PDF page, as the printer gets it.
pdftoppm -png -r 72 -singlefile docs/printed-report.pdf docs/printed-report
rm docs/printed-report.pdf
for picture in docs/*.png; do
  # Fewer colours keep the pictures small; the window's flat colours survive it.
  convert "$picture" -strip -colors 256 "PNG8:$picture"
done
