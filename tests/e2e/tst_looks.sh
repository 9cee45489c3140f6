#!/usr/bin/env bash
# End to end, how the program looks on a HiDPI screen and on a dark desktop.
# The same short tour runs twice on one large screen: once with
# QT_SCALE_FACTOR=2, once with a dark palette from the desktop (a dark
# KDE colour scheme in kdeglobals, which Qt reads itself). Each tour opens
# the worked example, raises both upper frame pivots, shows the camber table
# against the previous table (its heat map) and a graph of it, and keeps a
# screenshot of each.
#
# Checked: at scale 2 the drawing and the graph are sharp, not an enlarged
# picture: halving them loses clearly more than halving an enlarged scale-1
# picture of them does.
# On the dark desktop the window takes the dark palette, the quiet "how to
# measure" line and the table's texts are light on it, and the heat map's
# colours are the same as on a light desktop.
#
# tst_looks.sh APP DATA_DIR
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
e2e_init looks "$1" "$2" 2560x1600

main='Tarvik - Quellmark Inc\.   \[ CAR\.TK\*? \]'
table='Camber Table'

looks_area() {
  # looks_area NAME TITLE: the widget's "x y w h" in screen pixels.
  local x y w h
  read -r x y w h <<<"$(e2e_widget "$1" "$2")" || return 1
  echo "$((x * scale)) $((y * scale)) $((w * scale)) $((h * scale))"
}

looks_click() {
  local x y w h
  read -r x y w h <<<"$(looks_area "$1" "$2")" || return 1
  xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 1
  e2e_settle
}

detail() {
  # detail FILE X Y W H [ENLARGE]: how much of the area a halving loses (the
  # normalised RMSE between the area and the area halved and doubled again);
  # ENLARGE first doubles the area, as a blurred enlarged picture would be.
  local crop=$E2E_WORK/detail-crop.png half=$E2E_WORK/detail-half.png
  convert "$1" -crop "${4}x${5}+${2}+${3}" +repage ${6:+-resize 200%} "$crop"
  convert "$crop" -resize 50% -resize "$(identify -format '%wx%h!' "$crop")" "$half"
  compare -metric RMSE "$crop" "$half" null: 2>&1 | sed 's/.*(\(.*\)).*/\1/'
}

brightest() {
  # brightest FILE X Y W H: the greatest grey level (0-255) in the area.
  convert "$1" -crop "${4}x${5}+${2}+${3}" +repage -colorspace Gray \
    -format '%[fx:round(255*maxima)]' info:
}

looks_tour() {
  # looks_tour NAME: the tour, with scale and environment set by the caller.
  local name=$1 title box
  car=$E2E_WORK/CAR.TK
  cp "$E2E_DATA/tkfiles/WORKED.TK" "$car"
  rm -rf "$E2E_CONFIG" && mkdir -p "$E2E_CONFIG"
  e2e_launch "$car"
  for title in 'IMPORTANT:  Help \(definition\)' 'Loading a Set of Saved Specs' 'Tarvik'; do
    e2e_check "$name: start-up window '$title' shows" e2e_wait_window "$title" 20
    e2e_wait_active "$title"
    e2e_keys Return
  done
  e2e_check "$name: the main window shows" e2e_wait_window "$main"
  e2e_keys alt+t
  e2e_check "$name: the table opens" e2e_wait_window "$table"
  e2e_wait_active "$table"
  e2e_keys alt+b
  e2e_check "$name: Back closes the table" e2e_wait_gone "$table"
  for box in SpecData9 SpecData25; do
    looks_click $box "$main"
    e2e_keys ctrl+a
    e2e_type 15
    e2e_keys Tab
  done
  e2e_check "$name: the pivots are raised" e2e_wait_text SpecData25 "$main" '15'
  e2e_settle
  e2e_shot "$name-main"
  e2e_keys alt+t
  e2e_check "$name: the table opens again" e2e_wait_window "$table"
  e2e_wait_active "$table"
  e2e_keys alt+l
  e2e_keys s
  e2e_check "$name: the heat map shows against the previous table" \
    e2e_widget HeatLegend "$table"
  e2e_settle
  e2e_shot "$name-table"
  e2e_keys alt+g
  # Fifteen rows selected: the graph says it keeps the first and last.
  e2e_check "$name: the graph's limit is noted" e2e_wait_window 'Tarvik'
  e2e_wait_active 'Tarvik'
  e2e_keys Return
  e2e_check "$name: the graph opens" e2e_wait_window 'Graph'
  e2e_check "$name: the graph is drawn" e2e_widget Graph1 'Graph'
  e2e_settle
  e2e_shot "$name-graph"
  graph_area=$(looks_area Graph1 'Graph')
  e2e_keys alt+b
  e2e_check "$name: Back closes the graph" e2e_wait_gone 'Graph'
}

looks_quit() {
  kill "$E2E_APP_PID" 2>/dev/null
  e2e_wait_exit
}

# HiDPI: every window at twice its size.
scale=2
export QT_SCALE_FACTOR=2
looks_tour hidpi
unset QT_SCALE_FACTOR
hidpi_view=$(looks_area FrontView "$main")
hidpi_graph=$graph_area
looks_quit

# A dark desktop: Qt takes the palette from the KDE colour scheme.
scale=1
mkdir -p "$E2E_WORK/xdg"
cat >"$E2E_WORK/xdg/kdeglobals" <<'SCHEME'
[General]
widgetStyle=Fusion

[Colors:Window]
BackgroundNormal=49,54,59
ForegroundNormal=239,240,241
ForegroundInactive=161,169,177

[Colors:View]
BackgroundNormal=35,38,41
BackgroundAlternate=42,46,50
ForegroundNormal=239,240,241
ForegroundInactive=161,169,177

[Colors:Button]
BackgroundNormal=49,54,59
ForegroundNormal=239,240,241

[Colors:Selection]
BackgroundNormal=61,174,233
ForegroundNormal=252,252,252
SCHEME
export XDG_CURRENT_DESKTOP=KDE KDE_SESSION_VERSION=5 XDG_CONFIG_HOME=$E2E_WORK/xdg
looks_tour dark
unset XDG_CURRENT_DESKTOP KDE_SESSION_VERSION XDG_CONFIG_HOME
dark_view=$(looks_area FrontView "$main")
dark_graph=$graph_area
measure=$(looks_area HowToMeasure "$main")
legend=$(looks_area HeatLegend "$table")
header=$(looks_area Grid1_0_HeaderRow "$table")
looks_quit

# Sharp at scale 2: drawn afresh at twice the size, the drawing and the
# graph hold detail an enlarged scale-1 picture does not (the dark tour's
# are at scale 1 and look the same on any desktop: they have backgrounds of
# their own).
sharp() {
  # sharp WHAT FILE2 AREA2 FILE1 AREA1
  local two enlarged
  two=$(detail "$2" $3)
  enlarged=$(detail "$4" $5 enlarge)
  e2e_log "$1: detail $two at scale 2, $enlarged as scale 1 enlarged"
  awk -v two="$two" -v enlarged="$enlarged" 'BEGIN { exit !(two > 1.5 * enlarged) }'
}
e2e_check "the drawing is sharp at scale 2" \
  sharp drawing "$E2E_OUT/hidpi-main.png" "$hidpi_view" "$E2E_OUT/dark-main.png" "$dark_view"
e2e_check "the graph is sharp at scale 2" \
  sharp graph "$E2E_OUT/hidpi-graph.png" "$hidpi_graph" "$E2E_OUT/dark-graph.png" "$dark_graph"

# Readable on the dark desktop.
read -r mx my mw mh <<<"$measure"
ground=$(convert "$E2E_OUT/dark-main.png" -format "%[fx:round(255*p{$((mx + mw + 20)),$((my + 2))}.intensity)]" info:)
e2e_log "dark window background grey level: $ground"
e2e_check "the window takes the dark palette" test "$ground" -lt 80
e2e_check "the how-to-measure line is light on it" \
  test "$(brightest "$E2E_OUT/dark-main.png" $measure)" -gt 150
e2e_check "the table's headers are light on it" \
  test "$(brightest "$E2E_OUT/dark-table.png" $header)" -gt 150
read -r lx ly lw lh <<<"$legend"
deepest=$(convert "$E2E_OUT/dark-table.png" \
  -format "%[pixel:p{$((lx + lw - 12)),$((ly + lh / 2))}]" info:)
e2e_check "the heat map keeps its colours ($deepest)" test "$deepest" = "srgb(178,24,43)"
e2e_check "the heat map's caption is light on it" \
  test "$(brightest "$E2E_OUT/dark-table.png" $lx $ly $((lw / 5)) $lh)" -gt 150
e2e_finish
