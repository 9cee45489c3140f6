#!/usr/bin/env bash
# End to end, the camber table as a user meets it: "Table & Graph" from the
# main window's menu by keyboard, Back, a layout change on the main window,
# the table again with the previous one shown as its baseline (Baseline
# menu by keyboard), a click on a "Difference" row that selects its whole
# group, Shift+Right to widen the columns, a graph, its options window with
# the background turned black by a click; then the View switch to the
# roll-centre height with its own baseline and heat map (the legend's colour
# read from the screen), Heat-Map Differences off and on, Export CSV through
# the real file dialog, the print preview closed with Escape, and Exit.
# Checked through screenshots, the widget map, the exported file and the
# files written at exit.
#
# tst_table.sh APP DATA_DIR
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
e2e_init table "$1" "$2"

e2e_start_worked
table='Camber Table'

grid_height() {
  # The right grid's height on the screen.
  local geometry
  geometry=$(e2e_widget Grid1_0 "$table") || return 1
  read -r _ _ _ h <<<"$geometry"
  echo "$h"
}

taller_than() {
  local h
  h=$(grid_height) && [ "$h" -gt "$1" ]
}


# Table & Graph from the keyboard, then Back.
e2e_keys alt+t
e2e_check "Table & Graph opens the table" e2e_wait_window "$table"
e2e_check "the table shows its grids" e2e_widget Grid1_1 "$table"
e2e_wait_active "$table"
e2e_shot 01-table
plain_height=$(grid_height)
e2e_keys alt+b
e2e_check "Back closes the table" e2e_wait_gone "$table"

# Raise both upper frame pivots an inch: a different layout.
for box in SpecData9 SpecData25; do
  e2e_click $box "$main"
  e2e_keys ctrl+a
  e2e_type 15
  e2e_keys Tab
done
e2e_check "both pivots are raised" e2e_wait_text SpecData25 "$main" '15'

# The table again, with the previous table as its baseline.
e2e_keys alt+t
e2e_check "the table opens again" e2e_wait_window "$table"
e2e_check "the table shows its grids" e2e_widget Grid1_1 "$table"
e2e_wait_active "$table"
e2e_keys alt+l
e2e_shot 02-baseline-menu
e2e_keys s
e2e_check "the baseline rows make the grid taller" e2e_wait_until 5 taller_than "$plain_height"
e2e_settle
e2e_shot 03-baseline
e2e_log "right grid: $plain_height px plain, $(grid_height) px with the baseline"

# A click on the second entry's "Difference" row, then Shift+Right three
# times: the selection covers that entry's three rows and four columns.
read -r hx hy _ row_height <<<"$(e2e_widget Grid1_0_HeaderRow "$table")"
read -r _ _ header_width _ <<<"$(e2e_widget Grid1_0_HeaderColumn "$table")"
xdotool mousemove $((hx + header_width + 32)) $((hy + 6 * row_height + row_height / 2)) click 1
e2e_settle
e2e_keys shift+Right shift+Right shift+Right
e2e_shot 04-selected
e2e_keys alt+g
e2e_check "Graph opens the graph window" e2e_wait_window 'Graph'
e2e_check "the graph is drawn" e2e_widget Graph1 'Graph'
e2e_settle
e2e_shot 05-graph

# Options: a black background, seen when the user goes back to the graph.
e2e_keys alt+o
e2e_check "Options opens the graph options" e2e_wait_window 'Options for Making Graphs'
e2e_settle
e2e_click optBlack 'Options for Making Graphs'
e2e_shot 06-options
e2e_click Graph1 'Graph'
e2e_shot 07-graph-black
e2e_click cmdOk 'Options for Making Graphs'
e2e_check "OK closes the options" e2e_wait_gone 'Options for Making Graphs'
e2e_keys alt+b
e2e_check "Back closes the graph" e2e_wait_gone 'Graph'

# The View switch from the keyboard: the roll-centre height, one grid.
e2e_click lblQuantity "$table"
e2e_keys alt+v Down
e2e_check "the View switch shows the roll-centre height" \
  e2e_wait_text lblQuantity "$table" 'Roll Center Height.*'
e2e_check "the roll centre shows one grid" \
  e2e_wait_until 3 bash -c "! grep -q \$'^Grid1_1\t' '$E2E_MAP'"
e2e_keys alt+l
e2e_keys s
e2e_check "the heat map's legend shows" e2e_widget HeatLegend "$table"
e2e_settle
e2e_shot 08-rc-height-heatmap
read -r lx ly lw lh <<<"$(e2e_widget HeatLegend "$table")"
deepest=$(convert "$E2E_OUT/08-rc-height-heatmap.png" \
  -format "%[pixel:p{$((lx + lw - 12)),$((ly + lh / 2))}]" info:)
e2e_log "legend's right end on screen: $deepest"
e2e_check "the heat map's legend shows its deepest red" test "$deepest" = "srgb(178,24,43)"

# Options > Heat-Map Differences off hides the legend, and on again.
e2e_keys alt+o h
e2e_check "heat map off: no legend" \
  e2e_wait_until 3 bash -c "! grep -q \$'^HeatLegend\t' '$E2E_MAP'"
e2e_check "the choice is kept in table.ini" grep -q '^heatMap=false' "$E2E_CONFIG/table.ini"
e2e_keys alt+o h
e2e_check "heat map on: the legend is back" e2e_widget HeatLegend "$table"

# Export CSV through the real dialog: a path typed without its extension.
e2e_keys alt+e
e2e_check "Export CSV asks for a file" e2e_wait_window 'Export CSV'
e2e_wait_active 'Export CSV'
e2e_shot 09-export-dialog
e2e_keys ctrl+a
e2e_type "$E2E_WORK/rc-height"
e2e_keys Return
e2e_check "the file dialog closes" e2e_wait_gone 'Export CSV'
csv=$E2E_WORK/rc-height.csv
e2e_check "the CSV is written with .csv added" e2e_wait_until 5 test -s "$csv"
e2e_check "its records end in CR LF" bash -c "head -1 '$csv' | grep -q \$'\r\$'"
e2e_check "it names the quantity and the axes" \
  bash -c "head -3 '$csv' | tr -d '\r' | tr '\n' '|' | grep -qx 'Quantity,\"Roll Center Height, inches\"|Rows,\"Dive, inches\"|Columns,\"Roll, degrees\"|'"
e2e_check "each grid under its side, from the corner and the roll values" \
  bash -c "tr -d '\r' <'$csv' | grep -A1 -x 'Right' | grep -qx '\"Dive, inches\",-4.00,-2.00,.00,2.00,4.00' && grep -q \$'^Left\r\$' '$csv'"
e2e_check "it holds the baseline and difference rows" \
  bash -c "grep -q '^-2.00 (base),' '$csv' && grep -q '^Difference,' '$csv'"

# Print: the report comment, then the preview, closed with Escape.
e2e_keys alt+p
e2e_check "the report comment is asked" e2e_wait_window 'Enter Report Comment'
e2e_wait_active 'Enter Report Comment'
e2e_type "roll centre"
e2e_keys Return
e2e_check "the print preview appears" e2e_wait_window 'Print Preview' 15
e2e_check "the preview has its export button" e2e_widget ExportPdfButton 'Print Preview'
e2e_settle
e2e_shot 10-print-preview
e2e_keys Escape
e2e_check "Escape closes the preview" e2e_wait_gone 'Print Preview'

# Exit from the main window; the changed layout is not saved. The table
# opens beside the input boxes, so the click that brings the main window
# forward goes on the boxes' frame title.
read -r gx gy _ _ <<<"$(e2e_widget SpecGrid "$main")"
xdotool mousemove $((gx + 60)) $((gy + 4)) click 1
e2e_wait_active "$main"
e2e_keys alt+f x
e2e_check "the save question shows" e2e_wait_window 'Save Inputs'
e2e_keys alt+n
e2e_wait_exit
e2e_check "Exit ends the program" bash -c "! kill -0 $E2E_APP_PID 2>/dev/null"
settings=$E2E_CONFIG/TKCNFG-32.QMK
e2e_check "the settings file is written" test -s "$settings"
e2e_check "the baseline stays shown (record 22)" test "$(e2e_record "$settings" 22)" = "1"
e2e_check "previous-table mode (record 23)" test "$(e2e_record "$settings" 23)" = "0"
first_cell=$(e2e_record "$settings" 24)
e2e_log "baseline's first cell: $first_cell"
e2e_check "the table still open at exit became the baseline (record 24)" \
  bash -c "[[ '$first_cell' =~ ^-?[0-9]*\.[0-9][0-9]$ ]]"
e2e_check "the black background is kept (record 248)" test "$(e2e_record "$settings" 248)" = "0"
rc_base=$E2E_CONFIG/baseline-rc-height.txt
e2e_check "the roll-centre height baseline is kept in its own file, shown" \
  bash -c "grep -q '^quantity,rc-height' '$rc_base' && grep -q '^show,1' '$rc_base'"
e2e_finish
