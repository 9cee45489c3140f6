#!/usr/bin/env bash
# End to end, the Help menu: "Help on Tarvik" opened from the keyboard, paged
# forward and back with real clicks and closed; then "Display Readme.doc
# File (recent changes)" and "Display User's Manual", each with its message
# answered, handed to the desktop's opener. The desktop opener is a stand-in
# xdg-open first on the search path that only writes down what it was given,
# so no outside viewer starts on the test's X server.
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
EOF
chmod +x "$fakebin/xdg-open"
export PATH="$fakebin:$PATH"
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID

e2e_launch
for title in 'IMPORTANT:  Help \(definition\)' 'Loading a Set of Saved Specs' 'Tarvik'; do
  e2e_check "start-up window '$title' shows" e2e_wait_window "$title" 15
  sleep 0.3
  e2e_keys Return
done
e2e_wait_gone 'Tarvik' 5
sleep 0.5

# The help window: first page, Next, Last (previous), Cancel.
e2e_keys alt+h Return
page1='Help on Tarvik \(page 1 of 8\).*'
page2='Help on Tarvik \(page 2 of 8\).*'
e2e_check "Help on Tarvik opens on its first page" e2e_wait_window "$page1" 5
sleep 0.4
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
sleep 0.3
e2e_shot 03-readme-message
e2e_keys Return
for i in $(seq 1 30); do
  [ -s "$opened" ] && break
  sleep 0.2
done
e2e_check "the readme goes to the desktop's opener" grep -q '/Readme.doc$' "$opened"

# The manual: the note of the first time in a run, then the PDF.
e2e_keys alt+h Down Return
e2e_check "the manual's first-time note shows" e2e_wait_window 'Tarvik' 5
e2e_keys Return
for i in $(seq 1 30); do
  grep -q 'tarvman7.pdf$' "$opened" 2>/dev/null && break
  sleep 0.2
done
e2e_check "the manual goes to the desktop's opener" grep -qi '/TKTEXT/tarvman7.pdf$' "$opened"
e2e_check "the program is still running" e2e_running
e2e_shot 04-after
e2e_finish
