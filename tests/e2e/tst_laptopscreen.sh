#!/usr/bin/env bash
# End to end on a laptop's screen: 1366x768 with a 40 px panel at the
# bottom. The main window fits the 728 px left to it with nothing cut off,
# and every window opened from it (Camber Table, Graph, Options for Making
# Graphs, Find Pick-up Points, the shim calculator, Help on Tarvik) opens
# wholly inside that area, beside the main window's input boxes rather than
# over them where there is room. Geometry is read from the window manager's
# frames (xdotool, xprop); screenshots show what the user sees.
#
# tst_laptopscreen.sh APP DATA_DIR
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
e2e_init laptopscreen "$1" "$2" 1366x768 40

e2e_start_worked
e2e_check "the main window fits the screen less the panel" e2e_inside_area "$main"
e2e_shot 01-main
boxes=$(e2e_widget SpecGrid "$main")
e2e_log "input boxes at $boxes; main window at $(e2e_frame "$main")"
read -r _ gy _ gh <<<"$boxes"
e2e_check "the input boxes are not cut off" test $((gy + gh)) -le 728

# A window, once open: inside the area, clear of the input boxes.
placed() {
  e2e_check "$1 opens inside the screen less the panel" e2e_inside_area "$1"
  e2e_check "$1 opens beside the input boxes" e2e_clear_of "$1" "$boxes"
}

table='Camber Table'
e2e_keys alt+t
e2e_check "Table & Graph opens the table" e2e_wait_window "$table"
e2e_settle
e2e_shot 02-table
placed "$table"

# Two rows of the grid, then Graph and its options.
read -r hx hy _ row_height <<<"$(e2e_widget Grid1_0_HeaderRow "$table")"
read -r _ _ header_width _ <<<"$(e2e_widget Grid1_0_HeaderColumn "$table")"
xdotool mousemove $((hx + header_width + 32)) $((hy + row_height + row_height / 2)) click 1
e2e_settle
e2e_keys shift+Down shift+Right shift+Right
e2e_keys alt+g
e2e_check "Graph opens the graph window" e2e_wait_window 'Graph'
e2e_settle
e2e_shot 03-graph
placed 'Graph'
e2e_keys alt+o
e2e_check "Options opens the graph options" e2e_wait_window 'Options for Making Graphs'
e2e_settle
e2e_shot 04-graph-options
placed 'Options for Making Graphs'
e2e_click cmdOk 'Options for Making Graphs'
e2e_wait_gone 'Options for Making Graphs'
e2e_keys alt+b
e2e_wait_gone 'Graph'
e2e_keys alt+b
e2e_check "Back closes the table" e2e_wait_gone "$table"

e2e_keys alt+d Return
e2e_check "Find Pick-up Points opens" e2e_wait_window 'Find Pick-up Points'
e2e_settle
e2e_shot 05-design
# Too wide for the room beside the boxes even at its narrowest: inside the
# area, against its right edge, where it covers the boxes least.
e2e_check "Find Pick-up Points opens inside the screen less the panel" \
  e2e_inside_area 'Find Pick-up Points'
read -r dx _ dw _ <<<"$(e2e_frame 'Find Pick-up Points')"
e2e_check "Find Pick-up Points covers the boxes least" test $((dx + dw)) -eq 1366
e2e_keys Escape
e2e_wait_gone 'Find Pick-up Points' 5 || xdotool search --name '^Find Pick-up Points$' windowclose

e2e_click SpecData0 "$main"
e2e_keys alt+m Return
e2e_check "the shim calculator opens" e2e_wait_window 'Shim Calculator - Right Side'
e2e_settle
e2e_shot 06-shims
placed 'Shim Calculator - Right Side'
e2e_keys Escape
e2e_check "Escape closes the shim calculator" e2e_wait_gone 'Shim Calculator - Right Side'

e2e_keys alt+h Return
e2e_check "Help on Tarvik opens" e2e_wait_window 'Help on Tarvik.*'
e2e_settle
e2e_shot 07-help
e2e_check "Help on Tarvik opens inside the screen less the panel" \
  e2e_inside_area 'Help on Tarvik \(page 1 of 8\).*'
e2e_check "the program is still running" e2e_running
e2e_finish
