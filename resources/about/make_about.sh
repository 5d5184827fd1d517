#!/usr/bin/env bash
# Renders the About picture (200 x 242 pixels, JPEG) from its drawing.
set -euo pipefail
cd "$(dirname "$0")"
convert snake.svg -quality 90 snake.jpg
