#!/usr/bin/env bash
# End to end, Design > Find Pick-up Points as a user meets it: opened from
# the menu bar with the keyboard, the roll centre height asked to come down
# to 2 in with the upper frame pivot heights free (both sides together), the
# search started and its answer applied; the main window saves the moved
# pivots, and Ctrl+Z in the main window takes the whole change back.
#
# tst_design.sh APP DATA_DIR
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
e2e_init design "$1" "$2"

e2e_start_worked
design='Find Pick-up Points'


# Design > Find Pick-up Points from the keyboard.
e2e_keys alt+d Return
e2e_check "the Design menu opens the window" e2e_wait_window "$design"
e2e_settle
e2e_shot 01-opened

# Roll centre height 2, the right upper frame pivot's Height free (the left
# one follows), Start.
e2e_click DesignUse0 "$design"
e2e_click DesignValue0 "$design"
e2e_keys ctrl+a
e2e_type 2
e2e_click DesignFree9 "$design"
e2e_click DesignStart "$design"
e2e_check "the search ends with an answer" \
  e2e_wait_text DesignStatus "$design" '(Done|Time limit reached).*' 60
e2e_shot 02-answer
e2e_check "the window is still up after the search" e2e_window_shown "$design"
e2e_click DesignApply "$design"
e2e_check "Apply changes the layout" e2e_wait_window 'Tarvik - .*\[ CAR\.TK\* \]'
e2e_shot 03-applied
e2e_click DesignClose "$design"
e2e_check "Close closes the window" e2e_wait_gone "$design"

# The main window holds the answer: saved, both pivots moved alike.
e2e_click FrontView "$main"
e2e_save "$car" alt+f s
right=$(e2e_record "$car" 13)
left=$(e2e_record "$car" 29)
e2e_check "the right upper frame pivot moved (record 13: $right)" test "$right" != "14"
e2e_check "the left one moved with it (record 29: $left)" test "$left" = "$right"

# One Ctrl+Z takes the whole answer back.
e2e_keys ctrl+z
e2e_save "$car" alt+f s
e2e_shot 04-undone
e2e_check "undo put both heights back (records 13, 29)" \
  test "$(e2e_record "$car" 13)/$(e2e_record "$car" 29)" = "14/14"

e2e_keys alt+f x
e2e_wait_exit
e2e_check "the program ended" test "$(e2e_running && echo up)" = ""
e2e_finish
