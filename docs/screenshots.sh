#!/usr/bin/env bash
# Makes the pictures of the window in the README and the guide again (docs/*.png) from the program built
# in the given build folder (build/ by default), on a virtual display; into another folder when one is
# given, as the test that the pictures are up to date does.
#   bash docs/screenshots.sh [build folder] [folder for the pictures]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
pictures=${2:-docs}
cmake --build "$build" --target zygora_screenshots
# The pictures are those of the virtual display's window system, whatever platform the caller's tests use.
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" "$build/docs/zygora_screenshots" "$pictures"
# The printed report comes as a PDF page, as the printer gets it.
pdftoppm -png -r 72 -singlefile "$pictures/printed-report.pdf" "$pictures/printed-report"
rm "$pictures/printed-report.pdf"
for picture in "$pictures"/*.png; do
  # Fewer colours keep the pictures small; the window's flat colours survive it.
  convert "$picture" -strip -colors 256 "PNG8:$picture"
done
