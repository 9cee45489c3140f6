#!/usr/bin/env bash
# End to end under AddressSanitizer, LeakSanitizer and UBSan: one tour of
# the program through real input, so the paths the offscreen tests do not
# take (the window manager's activation, real key and pointer events) are
# checked for memory faults too. Start-up, a value typed with Tab, dive and
# roll switched on with a spin press, the Camber Table with its specs window
# opened and cancelled, the spring rate calculator accepted and opened again
# straight after, File > Save and Exit.
# Fails on any sanitizer report in the program's log, and when the program
# does not end cleanly.
#
# sanitized_tour.sh APP DATA_DIR (APP built with -DTARVIK_SANITIZE=ON)
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
e2e_init sanitized_tour "$1" "$2"

e2e_start_worked

# A value typed and left with Tab; dive and roll on, one spin press.
e2e_click SpecData0 "$main"
e2e_keys ctrl+a
e2e_type 30
e2e_keys Tab
e2e_click ApplyYes "$main"
e2e_click DiveUp "$main"
e2e_check "one press raises the dive" e2e_wait_text SpecData54 "$main" '\.10?' 10

# The table, its specs window over it, cancelled with Escape, and Back.
table='Camber Table'
specs='Camber Table Rows & Columns'
e2e_keys alt+t
e2e_check "Table & Graph opens the table" e2e_wait_window "$table" 20
e2e_check "the table shows its grids" e2e_widget Grid1_1 "$table"
e2e_wait_active "$table"
e2e_keys alt+o s
e2e_check "the table's specs window opens" e2e_wait_window "$specs" 20
e2e_wait_active "$specs"
e2e_keys Escape
e2e_check "Escape closes the specs window" e2e_wait_gone "$specs"
e2e_wait_active "$table"
e2e_keys alt+b
e2e_check "Back closes the table" e2e_wait_gone "$table"

# The spring rate calculator: a coil spring for both sides, accepted, and
# the calculator opened again straight after.
calc='Spring Rate Calculator'
e2e_click ClcBttn "$main"
e2e_check "Calc opens the spring calculator" e2e_wait_window "$calc" 20
e2e_settle
e2e_type_coil_spring "$calc"
e2e_check "the coil spring's rate shows" e2e_wait_text CalcOutData0 "$calc" ' *134' 10
e2e_click CalcAccept "$calc"
read -r cx cy cw ch <<<"$(e2e_widget ClcBttn "$main")"
xdotool mousemove $((cx + cw / 2)) $((cy + ch / 2)) click 1
e2e_check "Calc opens the calculator again" e2e_wait_window "$calc" 20
e2e_settle
e2e_shot 01-reopened
e2e_keys Escape
e2e_check "Escape closes it" e2e_wait_gone "$calc"

e2e_save "$car" alt+f s
e2e_check "typed value saved (record 4)" test "$(e2e_record "$car" 4)" = "30"
e2e_check "spring rate saved (record 36)" test "$(e2e_record "$car" 36)" = "134"
e2e_keys alt+f x

# LeakSanitizer looks for leaks once the program has ended, which takes a
# while; its report and the exit status both count.
status=timeout
for _ in $(seq 1 300); do
  if ! e2e_running; then
    status=0
    wait "$E2E_APP_PID" || status=$?
    break
  fi
  sleep 0.2
done
e2e_check "Exit ends the program with status 0 (was: $status)" test "$status" = 0
e2e_check "no sanitizer report in the program's log" \
  bash -c "! grep -E 'ERROR: (Address|Leak)Sanitizer|runtime error:|SUMMARY: ' '$E2E_OUT/app.log'"
[ "$E2E_FAILURES" -eq 0 ] || cat "$E2E_OUT/app.log"
e2e_finish
