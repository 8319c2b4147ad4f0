#!/bin/sh
# Draws the updater's splash picture (472 x 266 JPEG) and its 32 x 32 icon.
# Needs ImageMagick and the Liberation fonts; the results are committed.
set -eu
cd "$(dirname "$0")"
convert -size 472x266 gradient:'#1d4a73-#0a1a2c' \
  -fill none -stroke '#7fc4ff' -strokewidth 5 -draw "circle 30,32 30,15" -draw "line 43,45 53,55" \
  -stroke none -fill '#ffffff' -font Liberation-Sans-Bold -pointsize 46 -annotate +72+108 'Rankscout' \
  -fill '#b7dcff' -font Liberation-Sans -pointsize 17 -annotate +74+136 'Finding where your site ranks' \
  -fill '#2f6f9f' -draw "rectangle 74,172 92,204" -fill '#4f93c6' -draw "rectangle 98,160 116,204" \
  -fill '#7fc4ff' -draw "rectangle 122,146 140,204" \
  -fill '#0a1a2c' -draw "rectangle 0,214 472,266" -fill '#4f93c6' -draw "rectangle 0,212 472,213" \
  -quality 90 splash.jpg
convert -size 32x32 xc:'#16324f' -fill none -stroke '#7fc4ff' -strokewidth 3 \
  -draw "circle 13,13 13,4" -draw "line 19,19 28,28" \
  -stroke none -fill '#ffffff' -draw "polygon 9,15 13,9 17,15" -draw "rectangle 12,15 14,18" \
  updater_icon.png
