#!/usr/bin/env bash
# End to end, saving that never loses work. File > Save over a read-only
# vehicle file (chmod 444) is refused with a message that offers Save As, and
# the file keeps its bytes and its mode. Then the unsaved value survives a
# kill -9: at the restart the recovery question comes, Return (Yes) brings
# the layout back, and File > Save writes the value into the file. Then the
# keys and the title of an editor of files: "abc" typed in a box is refused
# and the old text comes back; the title's "*" comes with a change and goes
# with its undo; Ctrl+S in a box saves the typed value; Cancel on Open's save
# question keeps the layout; Save As adds ".TK" to a bare name.
#
# tst_saving.sh APP DATA_DIR
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
e2e_init saving "$1" "$2"

recovery_copy_holds() {
  # recovery_copy_holds VALUE: a recovery copy whose first entry (line 7:
  # three header lines, the magic, type and units) is VALUE.
  local copy
  for copy in "$E2E_CONFIG"/recovery-*.tkr; do
    [ -f "$copy" ] && [ "$(e2e_record "$copy" 7)" = "$1" ] && return 0
  done
  return 1
}

e2e_start_worked

# A value typed, then File > Save over the read-only file.
chmod 444 "$car"
before=$(md5sum <"$car")
e2e_click SpecData0 "$main"
e2e_keys ctrl+a
e2e_type 30
e2e_keys Tab
e2e_keys alt+f s
e2e_check "Save over a read-only file is refused" e2e_wait_window 'File Not Saved'
e2e_wait_active 'File Not Saved'
e2e_shot 01-read-only-refused
e2e_keys Return
e2e_check "Yes, the default, offers Save As" e2e_wait_window 'Save a File'
e2e_shot 02-save-as-offered
e2e_keys Escape
e2e_check "Save As closes" e2e_wait_gone 'Save a File'
e2e_check "the read-only file keeps its bytes" test "$(md5sum <"$car")" = "$before"
e2e_check "the read-only file keeps its mode" test "$(stat -c %a "$car")" = 444
e2e_check "no temporary file is left beside it" \
  test "$(find "$E2E_WORK" -maxdepth 1 -name 'CAR.TK*' | wc -l)" = 1
chmod 644 "$car"

# The unsaved value reaches the recovery copy within a second or so; then
# the program is killed without a chance to save anything.
e2e_check "a recovery copy holds the unsaved value" e2e_wait_until 5 recovery_copy_holds 30
kill -9 "$E2E_APP_PID"
e2e_wait_exit
e2e_check "the file still holds the old value" test "$(e2e_record "$car" 4)" = "24"

e2e_launch "$car"
e2e_check "the restart asks to recover the changes" e2e_wait_window 'Recover Changes' 15
e2e_check "the killed run's lock does not count as a second copy" \
  bash -c "! xdotool search --name 'Tarvik Is Already Running' >/dev/null 2>&1"
e2e_wait_active 'Recover Changes'
e2e_shot 03-recover-question
e2e_keys Return
e2e_check "the question closes" e2e_wait_gone 'Recover Changes'
e2e_close_start_windows
e2e_shot 04-recovered
e2e_check "the recovered layout is still CAR.TK's" e2e_window_shown "$main"
e2e_save "$car" alt+f s
e2e_check "File > Save wrote the recovered value (record 4)" test "$(e2e_record "$car" 4)" = "30"
e2e_check "the save removed the recovery copy" \
  test "$(find "$E2E_CONFIG" -name 'recovery-*.tkr' | wc -l)" = 0

clean='Tarvik - Quellmark Inc\.   \[ CAR\.TK \]'
changed='Tarvik - Quellmark Inc\.   \[ CAR\.TK\* \]'
e2e_check "the saved layout's title has no *" e2e_wait_window "$clean" 5

# Text with no number in it: refused with the box's range, the old text back.
e2e_click SpecData0 "$main"
e2e_keys ctrl+a
e2e_type abc
e2e_keys Tab
e2e_check "abc is refused" e2e_wait_window 'Warning'
e2e_wait_active 'Warning'
e2e_shot 05-abc-refused
e2e_keys Return
e2e_check "the refusal closes" e2e_wait_gone 'Warning'
e2e_check "the old text is back" e2e_wait_text SpecData0 "$main" '30'
e2e_shot 06-abc-old-text-back
e2e_check "nothing changed: the title has no *" e2e_window_shown "$clean"

# A change brings the "*"; undo takes it away, redo brings it back.
e2e_click SpecData0 "$main"
e2e_keys ctrl+a
e2e_type 32
e2e_keys Tab
e2e_check "a change puts * in the title" e2e_wait_window "$changed" 5
e2e_shot 07-title-changed
e2e_keys ctrl+z
e2e_check "undo back to the saved layout takes the * away" e2e_wait_window "$clean" 5
e2e_keys ctrl+shift+z
e2e_check "redo brings the * back" e2e_wait_window "$changed" 5

# Ctrl+S while the box still holds typed text: the box is taken first.
e2e_click SpecData0 "$main"
e2e_keys ctrl+a
e2e_type 33
e2e_keys ctrl+s
e2e_check "Ctrl+S saves and the * goes" e2e_wait_window "$clean" 5
e2e_check "Ctrl+S saved the value typed in the box (record 4)" \
  test "$(e2e_record "$car" 4)" = "33"

# Cancel on Open's save question: no open dialog, the change stays.
e2e_click SpecData0 "$main"
e2e_keys ctrl+a
e2e_type 34
e2e_keys Tab
e2e_keys ctrl+o
e2e_check "Open asks to save the change" e2e_wait_window 'Save Changes'
e2e_wait_active 'Save Changes'
e2e_shot 08-open-question
e2e_keys Escape
e2e_check "Cancel closes the question" e2e_wait_gone 'Save Changes'
e2e_settle
e2e_check "no open dialog follows Cancel" bash -c "! xdotool search --onlyvisible --name 'Open a File' >/dev/null 2>&1"
e2e_check "the changed layout stays" e2e_window_shown "$changed"

# Save As with a bare name: saved as NEWCAR.TK.
e2e_keys ctrl+shift+s
e2e_check "Save As shows its dialog" e2e_wait_window 'Save a File'
e2e_wait_active 'Save a File'
e2e_shot 09-save-as-dialog
e2e_keys ctrl+a
e2e_type "$E2E_WORK/NEWCAR"
e2e_keys Return
e2e_check "Save As added .TK" e2e_wait_until 5 test -f "$E2E_WORK/NEWCAR.TK"
e2e_check "no file without the extension" test ! -e "$E2E_WORK/NEWCAR"
e2e_check "the kept change is in the new file (record 4)" \
  test "$(e2e_record "$E2E_WORK/NEWCAR.TK" 4)" = "34"
e2e_check "the title names the new file, unchanged" \
  e2e_wait_window 'Tarvik - Quellmark Inc\.   \[ NEWCAR\.TK \]' 5
e2e_shot 10-saved-as

e2e_keys ctrl+q
e2e_wait_exit
e2e_check "Ctrl+Q ends the program without a question" bash -c "! kill -0 $E2E_APP_PID 2>/dev/null"
e2e_finish
