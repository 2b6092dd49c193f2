#!/usr/bin/env bash
# Draws Gridora's 171 x 84 logo for the About box: a small square of graph
# paper with a rising curve, beside the name. Run once with ImageMagick 6 and
# commit the PNG; the build only compiles the committed picture in.
set -euo pipefail
cd "$(dirname "$0")"

minor='#BFD7EC'   # thin rulings, every 6 pixels
major='#4F86C0'   # heavy rulings, every 5 cells
draw=()
for ((i = 0; i <= 72; i += 6)); do
  if ((i % 30 == 0)); then continue; fi
  draw+=(-stroke "$minor" -draw "line $((6 + i)),6 $((6 + i)),78"
         -stroke "$minor" -draw "line 6,$((6 + i)) 78,$((6 + i))")
done
for i in 0 30 60 72; do
  draw+=(-stroke "$major" -draw "line $((6 + i)),6 $((6 + i)),78"
         -stroke "$major" -draw "line 6,$((6 + i)) 78,$((6 + i))")
done

# A curve that climbs ever faster across the square: y = 78 - 72 (x/72)^2.
curve=""
for ((x = 0; x <= 72; x += 4)); do
  curve+="$((6 + x)),$((78 - 72 * x * x / 5184)) "
done

convert -size 171x84 xc:white \
  -fill none -strokewidth 1 "${draw[@]}" \
  -stroke '#C0392B' -strokewidth 2 -draw "polyline $curve" \
  -stroke '#A9966D' -strokewidth 1 -draw "rectangle 0,0 170,83" \
  -stroke none -fill '#000080' -font DejaVu-Sans-Bold -pointsize 19 \
  -annotate +85+44 'Gridora' \
  -fill '#555555' -font DejaVu-Sans -pointsize 10 \
  -annotate +87+62 'graph paper' \
  -annotate +87+74 'for schools' \
  -strip -define png:exclude-chunks=date,time \
  PNG32:gridora-logo.png
