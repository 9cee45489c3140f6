#!/usr/bin/env bash
# drawnwidth.sh SCREENSHOT X Y W H: the width in pixels of the suspension
# linkage drawn in the given area of a screenshot (the arms, knuckles and
# chassis, which the front view draws in dark blue).
shot=$1
x=$2 y=$3 w=$4 h=$5
convert "$shot" -crop "${w}x${h}+${x}+${y}" +repage -fuzz 15% -fill white +opaque '#000080' \
  -trim -format '%w' info: 2>/dev/null
