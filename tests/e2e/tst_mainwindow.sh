#!/usr/bin/env bash
# End to end, the main window as a new user meets it: the start-up windows,
# typing and Tab, a refused value and its restored text across a switch of
# windows and a menu, the dive-and-roll "Yes" option and a spin press, the
# Big and Normal drawing, an Edit command with its prompt, undo and redo, a
# drag of a point in the drawing, the drawing exported, the print preview
# with its PDF export, File > Save, Metric and back to English with the help
# box following, a recent file reopened and Exit. A drag given up with
# Escape leaves the layout and no stale coordinates in the status line.
# Checked through the saved vehicle file, the settings file, the texts the
# widgets show and screenshots.
#
# tst_mainwindow.sh APP DATA_DIR
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
e2e_init mainwindow "$1" "$2"

car=$E2E_WORK/CAR.TK
cp "$E2E_DATA/tkfiles/WORKED.TK" "$car"
e2e_launch "$car"
main='Tarvik - Quellmark Inc\.   \[ CAR\.TK\*? \]'

# Start-up: the splash, two intro messages and the warning window, each
# closed as a person would (a click, the Enter key, a click).
e2e_check "first intro message shows" e2e_wait_window 'IMPORTANT:  Help \(definition\)' 15
e2e_settle
e2e_shot 01-intro-help-box
e2e_click IntroOk 'IMPORTANT:  Help \(definition\)'
e2e_check "second intro message shows" e2e_wait_window 'Loading a Set of Saved Specs'
e2e_wait_active 'Loading a Set of Saved Specs'
e2e_keys Return
e2e_check "warning window shows" e2e_wait_window 'Tarvik'
e2e_settle
e2e_shot 02-warning
e2e_click WarningOk 'Tarvik'
e2e_check "warning window closes" e2e_wait_gone 'Tarvik'
e2e_wait_active "$main"
e2e_shot 03-ready

# Typing: a click into the first box, a new value, Tab.
e2e_click SpecData0 "$main"
e2e_keys ctrl+a
e2e_type 30
e2e_keys Tab
e2e_check "the typed value stays" e2e_wait_text SpecData0 "$main" '30'

# A refused value: the warning, OK, the old text back; then a switch to the
# help window and back, and a menu opened from the keyboard, neither of which
# may bring the warning back.
e2e_click SpecData16 "$main"
e2e_keys ctrl+a
e2e_type 75
e2e_keys Tab
e2e_check "a value over the limit is refused" e2e_wait_window 'Warning'
e2e_shot 04-refused
e2e_keys Return
e2e_check "the refusal closes with OK" e2e_wait_gone 'Warning'
e2e_check "the old text is back" e2e_wait_text SpecData16 "$main" ' *24 *'
e2e_shot 05-restored
e2e_keys alt+h Return
e2e_check "the help window opens" e2e_wait_window 'Help on Tarvik \(page 1 of 8\).*' 5
e2e_wait_active 'Help on Tarvik \(page 1 of 8\).*'
e2e_keys Escape
e2e_check "Escape closes the help window" e2e_wait_gone 'Help on Tarvik.*' 5
e2e_wait_active "$main"
e2e_check "switching windows does not bring the refusal back" e2e_wait_gone 'Warning' 1
e2e_keys alt+f
e2e_check "the File menu opens instead of the refusal" e2e_wait_gone 'Warning' 1
e2e_keys Escape

# Dive and roll: "Yes" by a click, then one press of the dive spin button.
e2e_click ApplyYes "$main"
e2e_click DiveUp "$main"
e2e_check "one press raises the dive" e2e_wait_text SpecData54 "$main" '\.10?'
e2e_shot 06-dive-roll

# Big and Normal: the drawn car grows by half or more, and comes back.
view=$(e2e_widget FrontView "$main")
e2e_shot 07-normal
e2e_click DrawButton "$main"
e2e_check "Draw Big shows the big drawing" e2e_wait_text DrawButton "$main" 'Normal'
bigview=$(e2e_widget FrontView "$main")
e2e_shot 08-big
e2e_check "the input grid is hidden in Big" \
  bash -c "! grep -q \$'^SpecData0\t' '$E2E_MAP'"
normal_width=$("$here/drawnwidth.sh" "$E2E_OUT/07-normal.png" $view)
big_width=$("$here/drawnwidth.sh" "$E2E_OUT/08-big.png" $bigview)
e2e_log "drawn car: $normal_width px normal, $big_width px big"
e2e_check "Big draws the car at least 1.5 times its Normal width" \
  test $((big_width * 2)) -ge $((normal_width * 3))
e2e_click DrawButton "$main"
e2e_check "Normal draws it as before" e2e_wait_text DrawButton "$main" 'Big'
e2e_check "Normal brings the input grid back" e2e_widget SpecData0 "$main" >/dev/null

# An Edit command from the keyboard: Raise All Measurements by 1 (the Edit
# menu opens on Undo; Down passes the disabled Redo to the first command).
e2e_keys alt+e Down Return
e2e_check "the raise prompt shows" e2e_wait_window 'Raise All Measurements'
e2e_wait_active 'Raise All Measurements'
e2e_shot 09-raise-prompt
e2e_keys ctrl+a
e2e_type 1
e2e_keys Return
e2e_check "the raise prompt closes" e2e_wait_gone 'Raise All Measurements'

# Undo takes the raise back, redo brings it again; each checked in the file.
e2e_keys ctrl+z
e2e_save "$car" alt+f s
e2e_check "undo put the height back (record 12)" test "$(e2e_record "$car" 12)" = "15"
e2e_keys ctrl+shift+z

# A drag of the right upper frame pivot: the hand cursor's point follows the
# mouse on the 0.05 in grid; one ctrl+z takes the whole drag back.
e2e_save "$car" alt+f s
before_x=$(e2e_record "$car" 5)
before_y=$(e2e_record "$car" 13)
read -r px py _ <<<"$(e2e_widget point.right.upper_frame_pivot "$main")"
drag_pivot_up_and_out() {
  # Presses on the right upper frame pivot and moves the pointer up and
  # outward in six steps, the button still down.
  xdotool mousemove "$px" "$py"
  e2e_settle
  xdotool mousedown 1
  local step
  for step in 1 2 3 4 5 6; do
    xdotool mousemove $((px - 4 * step)) $((py - 6 * step))
    e2e_settle
  done
}
drag_pivot_up_and_out
e2e_shot 11-dragging
xdotool mouseup 1
e2e_settle
e2e_save "$car" alt+f s
after_x=$(e2e_record "$car" 5)
after_y=$(e2e_record "$car" 13)
e2e_log "dragged right upper frame pivot: X $before_x -> $after_x, height $before_y -> $after_y"
e2e_check "the drag moved the point up and outward" \
  awk -v a="$after_y" -v b="$before_y" -v c="$after_x" -v d="$before_x" \
  'BEGIN { exit !(a > b + 0.2 && c > d + 0.1) }'
e2e_check "the dragged height is on the 0.05 in grid" \
  awk -v a="$after_y" 'BEGIN { v = a * 20; exit !(v - int(v) < 1e-6 || int(v) + 1 - v < 1e-6) }'
e2e_keys ctrl+z
e2e_save "$car" alt+f s
e2e_check "one undo takes the whole drag back" \
  test "$(e2e_record "$car" 13)" = "$before_y" -a "$(e2e_record "$car" 5)" = "$before_x"

# The same drag given up with Escape: the point goes back, and the status
# line no longer shows where it was dragged to.
drag_pivot_up_and_out
dragging=$(e2e_text StatusBar "$main")
e2e_log "status while dragging: '$dragging'"
e2e_check "the status line shows the dragged point" \
  test "${dragging#Right Upper Frame Pivot:}" != "$dragging"
e2e_keys Escape
xdotool mouseup 1
e2e_settle
e2e_shot 11b-drag-cancelled
cancelled=$(e2e_text StatusBar "$main")
e2e_log "status after Escape: '$cancelled'"
e2e_check "Escape takes the dragged coordinates off the status line" \
  test "$cancelled" != "$dragging"
e2e_save "$car" alt+f s
e2e_check "Escape put the point back" \
  test "$(e2e_record "$car" 13)" = "$before_y" -a "$(e2e_record "$car" 5)" = "$before_x"

# File > Export Drawing through the real file dialog and the size dialog:
# an SVG picture that renders at the width asked.
e2e_keys alt+f e
e2e_check "the export file dialog shows" e2e_wait_window 'Export Drawing'
e2e_wait_active 'Export Drawing'
e2e_keys ctrl+a
e2e_type "$E2E_WORK/front.svg"
e2e_keys Return
e2e_check "the size dialog shows" e2e_wait_window 'Drawing Size'
e2e_wait_active 'Drawing Size'
e2e_shot 12-drawing-size
e2e_keys ctrl+a
e2e_type 1000
e2e_keys Return
e2e_check "the size dialog closes" e2e_wait_gone 'Drawing Size'
e2e_check "the drawing is written" e2e_wait_until 5 test -s "$E2E_WORK/front.svg"
rsvg-convert "$E2E_WORK/front.svg" -o "$E2E_OUT/13-exported-drawing.png"
e2e_check "the drawing renders as a 1000 px wide picture" \
  test "$(identify -format '%w' "$E2E_OUT/13-exported-drawing.png" 2>/dev/null)" = "1000"

# File > Print: the comment, then the preview, from which a PDF is exported
# through the real file dialog; Escape closes the preview unprinted.
e2e_keys alt+f p
e2e_check "the report comment prompt shows" e2e_wait_window 'Report Comment'
e2e_type "preview check"
e2e_keys Return
e2e_check "the print preview shows" e2e_wait_window 'Print Preview' 15
e2e_check "the preview has its export button" e2e_widget ExportPdfButton 'Print Preview'
e2e_settle
e2e_shot 14-print-preview
e2e_click ExportPdfButton 'Print Preview'
e2e_check "the PDF file dialog shows" e2e_wait_window 'Export PDF'
e2e_wait_active 'Export PDF'
e2e_keys ctrl+a
e2e_type "$E2E_WORK/report.pdf"
e2e_keys Return
e2e_check "the preview exported a one-page PDF" \
  e2e_wait_until 10 bash -c "pdfinfo '$E2E_WORK/report.pdf' 2>/dev/null | grep -q '^Pages: *1$'"
e2e_keys Escape
e2e_check "Escape closes the preview" e2e_wait_gone 'Print Preview'

# File > Save from the keyboard, then Exit.
e2e_save "$car" alt+f s
e2e_shot 10-saved
e2e_check "typed value saved (record 4)" test "$(e2e_record "$car" 4)" = "30"
e2e_check "refused value not saved: the old text is (record 20)" \
  test "$(e2e_record "$car" 20)" = "24"
e2e_check "raise moved the right upper ball joint height (record 12)" \
  test "$(e2e_record "$car" 12)" = "16."
e2e_check "the dive spin press saved (record 46)" test "$(e2e_record "$car" 46)" = ".10"

# Options > Metric and back to English with the focus in the right Spring
# Rate box: the help box follows the units at once, the focus never moving.
e2e_click SpecData35 "$main"
e2e_check "the help box speaks of pounds per inch" \
  e2e_wait_text HelpText "$main" '.*Rate of the spring itself, lb/in.*'
e2e_keys alt+o Down Down Down Return
e2e_check "Metric: the help box speaks of N/mm" \
  e2e_wait_text HelpText "$main" '.*Rate of the spring itself, N/mm.*'
e2e_shot 15-metric
e2e_keys alt+o Down Down Return
e2e_check "English again: the help box speaks of pounds per inch" \
  e2e_wait_text HelpText "$main" '.*Rate of the spring itself, lb/in.*'
e2e_check "the spring rate is back in pounds per inch" e2e_wait_text SpecData35 "$main" '500.*'

# File > Recent Files: the saved car heads the list. With a change typed, the
# save question comes first; No reopens the file as it was saved, so Exit
# then asks nothing.
e2e_click SpecData0 "$main"
e2e_keys ctrl+a
e2e_type 31
e2e_keys Tab
e2e_keys alt+f f
e2e_shot 16-recent-files
e2e_keys Return
e2e_check "a recent file asks to save the change first" e2e_wait_window 'Save Changes'
e2e_keys alt+n
e2e_check "the save question closes" e2e_wait_gone 'Save Changes'
e2e_settle
e2e_check "the file was not written" test "$(e2e_record "$car" 4)" = "30"
# A file opened brings the next intro message, as each open does until the
# user ticks them off.
e2e_check "the User's Manual intro message follows the open" \
  e2e_wait_window "User's Manual" 5
e2e_shot 17-reopened
e2e_keys Return
e2e_check "the intro message closes" e2e_wait_gone "User's Manual"

e2e_keys alt+f x
e2e_wait_exit
e2e_shot 18-exit
e2e_check "Exit ends the program without a question" bash -c "! kill -0 $E2E_APP_PID 2>/dev/null"
e2e_check "Exit writes the settings file" test -s "$E2E_CONFIG/TKCNFG-32.QMK"
e2e_finish
