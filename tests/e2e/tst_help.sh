#!/usr/bin/env bash
# End to end, the Help menu: "Help on Tarvik" opened from the keyboard, paged
# forward and back with real clicks and closed; then "Display Readme.doc
# File (recent changes)" and "Display User's Manual".
#
# The desktop here is a usual one with no PDF application: a stand-in
# xdg-mime names an application for every type but PDF files, and a
# stand-in xdg-open exits 0 and opens nothing, only writing down what it was
# given. The program runs with only these two on its search path, so no
# outside viewer starts on the test's X server. The readme goes to the
# desktop; the manual goes on past it to the search for a PDF viewer, the
# download offer (No) and, last, the manual's full path, whose folder Yes
# opens.
#
# tst_help.sh APP DATA_DIR
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
e2e_init help "$1" "$2"

opened=$E2E_WORK/opened
fakebin=$E2E_WORK/bin
mkdir -p "$fakebin"
cat >"$fakebin/xdg-open" <<EOF
#!/bin/sh
echo "\$1" >>"$opened"
exit 0
EOF
cat >"$fakebin/xdg-mime" <<'EOF'
#!/bin/sh
[ "$1" = query ] && [ "$2" = default ] || exit 1
[ "$3" = application/pdf ] || echo stand-in.desktop
exit 0
EOF
chmod +x "$fakebin/xdg-open" "$fakebin/xdg-mime"
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID

PATH="$fakebin" e2e_launch
for title in 'IMPORTANT:  Help \(definition\)' 'Loading a Set of Saved Specs' 'Tarvik'; do
  e2e_check "start-up window '$title' shows" e2e_wait_window "$title" 15
  e2e_wait_active "$title"
  e2e_keys Return
done
e2e_wait_gone 'Tarvik' 5
e2e_wait_active 'Tarvik - .*'

# The help window: first page, Next, Last (previous), Cancel.
e2e_keys alt+h Return
page1='Help on Tarvik \(page 1 of 8\).*'
page2='Help on Tarvik \(page 2 of 8\).*'
e2e_check "Help on Tarvik opens on its first page" e2e_wait_window "$page1" 5
e2e_settle
e2e_shot 01-help-page1
e2e_click nextScreen "$page1"
e2e_check "Next Screen shows the second page" e2e_wait_window "$page2" 5
e2e_shot 02-help-page2
e2e_click previousScreen "$page2"
e2e_check "Last (previous) Screen goes back to the first page" e2e_wait_window "$page1" 5
e2e_click cancel "$page1"
e2e_check "Cancel closes the help window" e2e_wait_gone 'Help on Tarvik.*' 5

# The readme: Help, the third item; its message names Readme.doc.
e2e_keys alt+h Down Down Return
e2e_check "the readme message shows" e2e_wait_window 'Tarvik' 5
e2e_wait_active 'Tarvik'
e2e_shot 03-readme-message
e2e_keys Return
e2e_check "the readme goes to the desktop's opener" \
  e2e_wait_until 6 grep -q '/Readme.doc$' "$opened"

# The manual: no PDF application, so no first-time note, but the search for
# one, named in the message and in the seek window.
e2e_keys alt+h Down Return
e2e_check "the PDF viewer search is announced" e2e_wait_window 'Tarvik' 5
e2e_wait_active 'Tarvik'
e2e_shot 04-manual-search-message
e2e_keys Return
seek='Search for the PDF viewer evince'
e2e_check "the seek window names what it looks for" e2e_wait_window "$seek" 5
e2e_settle
e2e_shot 05-seek-window
e2e_click SeekHalt "$seek"
e2e_check "Cancel/Halt closes the seek window" e2e_wait_gone "$seek" 5
e2e_check "the download offer follows" e2e_wait_window 'Download Free PDF Viewer\?' 5
e2e_wait_active 'Download Free PDF Viewer\?'
e2e_keys alt+n
e2e_check "then where the manual is" e2e_wait_window "User's Manual" 5
e2e_wait_active "User's Manual"
e2e_shot 06-manual-path
e2e_keys alt+y
e2e_check "Yes opens the manual's folder" e2e_wait_until 6 grep -qi '/TKTEXT$' "$opened"
e2e_check "the PDF went to no desktop opener" bash -c "! grep -qi 'tarvman7.pdf' '$opened'"
e2e_check "the program is still running" e2e_running
e2e_shot 07-after
e2e_finish
