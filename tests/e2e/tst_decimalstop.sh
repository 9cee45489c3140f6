#!/usr/bin/env bash
# End to end, a system that writes numbers with a decimal comma: after the
# start-up warning the decimal-symbol window opens, and its "Stop Program
# Now" button ends the program at once, without a question and without
# writing the settings file.
#
# tst_decimalstop.sh APP DATA_DIR
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
e2e_init decimalstop "$1" "$2"

E2E_LOCALE=de_DE.UTF-8 e2e_launch
for title in 'IMPORTANT:  Help \(definition\)' 'Loading a Set of Saved Specs' 'Tarvik'; do
  e2e_check "start-up window '$title' shows" e2e_wait_window "$title" 15
  e2e_wait_active "$title"
  e2e_keys Return
done
e2e_check "the decimal-symbol window opens" e2e_wait_window 'Possible Problem Encountered'
e2e_settle
e2e_shot 01-decimal-symbol
e2e_click DecimalStop 'Possible Problem Encountered'
e2e_wait_exit
e2e_check "Stop Program Now ends the program" bash -c "! kill -0 $E2E_APP_PID 2>/dev/null"
e2e_check "no settings file is written" test ! -e "$E2E_CONFIG/TKCNFG-32.QMK"
e2e_finish
