#!/usr/bin/env bash
# Writes the picture tiled behind the description label: 100 x 100 plain white, baseline JPEG.
set -euo pipefail
convert -size 100x100 xc:white -type TrueColor -sampling-factor 2x2 -strip -interlace none -quality 90 "jpeg:$1"
