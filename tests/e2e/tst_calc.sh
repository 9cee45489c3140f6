#!/usr/bin/env bash
# End to end, the spring rate calculator as a user meets it: opened with the
# main window's Calc button, "Both Sides" chosen in its list, a coil spring
# typed in with Tab (wire .5, inside diameter 3.5, 10 active coils gives
# 134), accepted, and the layout saved with File > Save: both Spring Rate
# records hold the rate. The left rate was typed as 450 first, so accepting
# asks before replacing the two different rates: No (the default, with
# Return) keeps the calculator open, Yes sends the rate. On the way: Use Calc Value is shut while there is
# no rate, a refused value's message leaves it open, a click on the main
# window closes it; an emptied box takes the rate away and shuts Use Calc
# Value again, and a leaf spring chosen clears the wire diameter, which is no
# number of leaves.
#
# tst_calc.sh APP DATA_DIR
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
e2e_init calc "$1" "$2"

e2e_start_worked
calc='Spring Rate Calculator'

e2e_check "spring records start at 500" \
  test "$(e2e_record "$car" 36)/$(e2e_record "$car" 41)" = "500/500"
e2e_click SpecData46 "$main"
e2e_keys ctrl+a
e2e_type 450
e2e_keys Tab

# Use Calc Value before any rate, then a refused value.
e2e_click ClcBttn "$main"
e2e_check "Calc opens the spring calculator" e2e_wait_window "$calc"
e2e_settle
e2e_shot 01-opened
e2e_click CalcAccept "$calc"
e2e_check "Use Calc Value is shut before a rate" e2e_wait_gone ' ' 1
e2e_check "the calculator stays open" e2e_window_shown "$calc"
e2e_click CalcData4 "$calc"
e2e_type 40
e2e_keys Tab
e2e_check "a diameter over the limit is refused" e2e_wait_window 'Warning'
e2e_shot 03-refused
e2e_keys Return
e2e_check "the refusal closes with OK" e2e_wait_gone 'Warning'
e2e_settle
e2e_check "the calculator stays open over the refusal" e2e_window_shown "$calc"

# Clicking the main window closes it, writing nothing.
e2e_click FrontView "$main"
e2e_check "a click on the main window closes the calculator" e2e_wait_gone "$calc" 5

# The coil spring for both sides.
e2e_click ClcBttn "$main"
e2e_check "Calc opens it again" e2e_wait_window "$calc"
e2e_settle
e2e_type_coil_spring "$calc"
e2e_check "the coil spring's rate shows" e2e_wait_text CalcOutData0 "$calc" ' *134'
e2e_shot 04-coil-rate

# The inside diameter emptied: no rate, and Use Calc Value sends nothing
# and says nothing.
e2e_click CalcData4 "$calc"
e2e_keys ctrl+a BackSpace Tab
e2e_check "an emptied box leaves no rate" e2e_wait_text CalcOutData0 "$calc" ''
e2e_click CalcAccept "$calc"
e2e_check "Use Calc Value is shut without a rate" e2e_wait_gone ' ' 1
e2e_check "the calculator stays open" e2e_window_shown "$calc"
e2e_shot 05-emptied

# A leaf spring: the wire diameter .5 is outside 1 to 10 leaves and goes;
# the 10 coils fit the spring length and stay. Back to the coil spring.
e2e_click CalcCombo2 "$calc"
e2e_type l
e2e_keys Return
e2e_check "the wire diameter does not stay as a number of leaves" \
  e2e_wait_text CalcData3 "$calc" ''
e2e_check "the coil count stays as the spring length" e2e_wait_text CalcData5 "$calc" '10'
e2e_check "the leaf spring has no rate yet" e2e_wait_text CalcOutData0 "$calc" ''
e2e_shot 06-leaf
e2e_click CalcCombo2 "$calc"
e2e_type c
e2e_keys Return
e2e_click CalcData3 "$calc"
e2e_keys ctrl+a
e2e_type 0.5
e2e_keys Tab
e2e_type 3.5
e2e_keys Tab
e2e_check "the coil spring's rate is back" e2e_wait_text CalcOutData0 "$calc" ' *134'
e2e_click CalcAccept "$calc"
e2e_check "two different rates: the question shows" e2e_wait_window 'Tarvik'
e2e_shot 07-replace-both
e2e_keys Return
e2e_check "No closes the question" e2e_wait_gone 'Tarvik'
e2e_settle
e2e_check "No keeps the calculator open" e2e_window_shown "$calc"
e2e_click CalcAccept "$calc"
e2e_check "the question shows again" e2e_wait_window 'Tarvik'
e2e_keys alt+y
e2e_check "Yes: Use Calc Value closes the calculator" e2e_wait_gone "$calc" 5
e2e_wait_active "$main"
e2e_shot 08-accepted

e2e_save "$car" alt+f s
e2e_check "right spring rate saved (record 36)" test "$(e2e_record "$car" 36)" = "134"
e2e_check "left spring rate saved (record 41)" test "$(e2e_record "$car" 41)" = "134"
e2e_keys alt+f x
e2e_wait_exit
e2e_finish
