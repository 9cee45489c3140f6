#!/usr/bin/env bash
# End to end, camber measured on the car as a user meets it: the circle-track
# example open, the camber table from the keyboard, Measurements from its
# menu bar, a measurement file imported through the real file dialog (the
# readings of a car whose right upper ball joint sits 0.2 in higher than
# typed); the table grows its measured and "Model - Measured" rows and a
# graph shows the readings as markers. Then Design > Fit Model to
# Measurements with that coordinate ticked: the fit brings the residual
# down, Apply moves the box, the file saved holds the fitted height, and one
# Ctrl+Z in the main window takes it back. Checked through the widget map,
# the files written and screenshots.
#
# tst_measurements.sh APP DATA_DIR
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
e2e_init measurements "$1" "$2"

e2e_start_worked CIRCLE.TK
table='Camber Table'
measurements='Measurements'
fit='Fit Model to Measurements'
readings=$E2E_WORK/readings.csv
cat >"$readings" <<'CSV'
dive,roll,camber_right,camber_left
0,-2,-3.49,2.34
0,2,-1.63,0.56
1,-2,-4.55,1.01
1,2,-2.92,-0.57
2,-2,-5.72,-0.45
2,2,-4.35,-1.81
CSV

# The table, then its Measurements command.
e2e_keys alt+t
e2e_check "Table & Graph opens the table" e2e_wait_window "$table"
sleep 1
read -r _ _ _ plain_height <<<"$(e2e_widget Grid1_0 "$table")"
e2e_keys alt+m
e2e_check "Measurements opens from the table" e2e_wait_window "$measurements"
e2e_check "no readings yet" e2e_wait_text MeasurementsStatus "$measurements" '0 positions, 0 with readings\.'

# Import through the real file dialog.
e2e_click MeasurementsImport "$measurements"
e2e_check "the import dialog shows" e2e_wait_window 'Import Measurements'
sleep 0.5
e2e_type "$readings"
e2e_keys Return
e2e_check "the import dialog closes" e2e_wait_gone 'Import Measurements'
e2e_check "the readings are taken" \
  e2e_wait_text MeasurementsStatus "$measurements" '6 positions, 6 with readings\.'
e2e_check "they are kept beside the vehicle file" test -s "$E2E_WORK/CAR.measured.csv"
e2e_shot 01-imported
e2e_click MeasurementsClose "$measurements"
e2e_check "Close closes the Measurements window" e2e_wait_gone "$measurements"

# The table shows a measured and a difference row for each of the three dives.
sleep 1
read -r _ _ _ measured_height <<<"$(e2e_widget Grid1_0 "$table")"
e2e_log "right grid: $plain_height px plain, $measured_height px with the readings"
e2e_check "the measured rows make the grid taller" test "$measured_height" -gt "$plain_height"
e2e_shot 02-table-measured

# A graph of the whole table: the readings as markers over the lines.
e2e_keys alt+g
e2e_check "the graph shows" e2e_wait_window 'Graph.*'
sleep 1
e2e_shot 03-graph-markers
e2e_keys alt+F4
sleep 0.5
e2e_keys alt+b
e2e_check "Back closes the table" e2e_wait_gone "$table"

# Design > Fit Model to Measurements: the right upper ball joint's height
# (the second coordinate row) ticked, the fit run and applied.
e2e_click FrontView "$main"
e2e_keys alt+d m
e2e_check "the Design menu opens the fit" e2e_wait_window "$fit"
e2e_check "the fit sees the readings" e2e_wait_text FitReadings "$fit" '12 camber readings at 6 positions.*'
read -r cx cy _ _ <<<"$(e2e_widget FitCoordinates "$fit")"
xdotool mousemove $((cx + 30)) $((cy + 40)) click 1
sleep 0.3
e2e_keys Down space
e2e_shot 04-ticked
e2e_click FitStart "$fit"
e2e_check "the fit ends with a smaller residual" \
  e2e_wait_text FitResidualAfter "$fit" '0\.0[0-2][0-9] deg' 30
e2e_shot 05-fitted
e2e_click FitApply "$fit"
e2e_check "Apply says how to take it back" e2e_wait_text FitStatus "$fit" 'Applied to the layout.*'
e2e_click FitClose "$fit"
e2e_check "Close closes the fit" e2e_wait_gone "$fit"

e2e_click FrontView "$main"
e2e_keys alt+f s
sleep 1
fitted=$(e2e_record "$car" 12)
e2e_check "the fitted height is saved (record 12: $fitted)" \
  bash -c "awk -v v='$fitted' 'BEGIN { exit !(v >= 16.15 && v <= 16.25) }'"

# One Ctrl+Z takes the fit back.
e2e_keys ctrl+z
e2e_keys alt+f s
sleep 1
e2e_shot 06-undone
e2e_check "undo put the height back (record 12)" test "$(e2e_record "$car" 12)" = "16"

e2e_keys alt+f x
e2e_wait_exit
e2e_check "the program ended" test "$(e2e_running && echo up)" = ""
e2e_finish
