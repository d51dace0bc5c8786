#!/bin/sh
# Draws the program icon (resource 105): a speech bubble holding a checked word list, at 256 pixels,
# and writes it as a multi-size .ico beside this script. Needs ImageMagick 6 (Debian: imagemagick).
# Run it again after changing the drawing and commit the .ico; the build only reads the .ico.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
convert=${CONVERT:-/usr/bin/convert}
"$convert" -size 256x256 xc:none \
  -fill '#1f5fa8' -stroke '#123a66' -strokewidth 6 \
  -draw 'roundrectangle 12,16 244,196 36,36' \
  -draw 'polygon 60,190 44,246 118,192' \
  -stroke none -fill '#1f5fa8' -draw 'rectangle 62,180 114,200' \
  -fill white -draw 'rectangle 40,48 72,80' -draw 'rectangle 40,92 72,124' -draw 'rectangle 40,136 72,168' \
  -fill none -stroke '#d62020' -strokewidth 9 \
  -draw 'polyline 44,64 54,76 70,50' -draw 'polyline 44,108 54,120 70,94' \
  -stroke white -strokewidth 14 \
  -draw 'line 92,64 214,64' -draw 'line 92,108 190,108' -draw 'line 92,152 202,152' \
  -depth 8 -define icon:auto-resize=256,48,32,24,16 "$here/lexiglean.ico"
