# Shared steps of the end-to-end tests, sourced by each tst_*.sh.
#
# The real tarvik runs on a real X server (Xvfb) under a window manager
# (openbox) and is driven by real input events (xdotool): pointer moves,
# button presses and key strokes travel through the X server, the window
# manager and Qt's event delivery, as a person's do. This is the level where
# focus, modality and activation faults show; offscreen Qt tests cannot see
# them. Widgets are found through the map the program writes when
# TARVIK_WIDGET_MAP is set; windows by their titles. Results are checked
# through what a user keeps: saved files and screenshots.
#
# A step never sleeps a fixed time: it waits, up to a limit, for what the
# step brings about (a window, a title, a widget's text, a file), or with
# e2e_settle for the program to have handled the input sent to it. Only the
# waits themselves pause briefly between two looks.
#
# Usage in a test: e2e_init NAME APP DATA_DIR; e2e_launch ARGS...; steps;
# e2e_finish (exits with the test's status).
set -u

E2E_FAILURES=0

e2e_log() {
  echo "[$(date +%H:%M:%S)] $*"
}

e2e_fail() {
  echo "FAIL: $*"
  E2E_FAILURES=$((E2E_FAILURES + 1))
}

e2e_check() {
  # e2e_check DESCRIPTION COMMAND...: runs the command, counts a failure.
  local what=$1
  shift
  if "$@"; then
    echo "ok: $what"
  else
    e2e_fail "$what"
  fi
}

e2e_cleanup() {
  [ -n "${E2E_APP_PID:-}" ] && kill "$E2E_APP_PID" 2>/dev/null
  [ -n "${E2E_WM_PID:-}" ] && kill "$E2E_WM_PID" 2>/dev/null
  [ -n "${E2E_X_PID:-}" ] && kill "$E2E_X_PID" 2>/dev/null
  # Up to 3 s for the program to end on its own, then it is stopped.
  local i
  for i in $(seq 1 30); do
    [ -n "${E2E_APP_PID:-}" ] && kill -0 "$E2E_APP_PID" 2>/dev/null || break
    sleep 0.1
  done
  [ -n "${E2E_APP_PID:-}" ] && kill -9 "$E2E_APP_PID" 2>/dev/null
  return 0
}

e2e_wait_until() {
  # e2e_wait_until SECONDS COMMAND...: runs the command until it succeeds,
  # for up to SECONDS.
  local limit=$1 i
  shift
  for i in $(seq 1 $((limit * 10))); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

e2e_init() {
  # e2e_init NAME APP DATA_DIR [WxH [PANEL]]: PANEL pixels at the screen's
  # bottom are kept free, as a desktop's panel keeps them (the window
  # manager's margin, which the screen's available area leaves out).
  E2E_NAME=$1
  E2E_APP=$2
  E2E_DATA=$3
  local size=${4:-1280x800}
  E2E_PANEL=${5:-0}
  E2E_OUT=${E2E_OUT_ROOT:-$(dirname "$E2E_APP")/e2e}/$E2E_NAME
  rm -rf "$E2E_OUT"
  mkdir -p "$E2E_OUT"
  E2E_WORK=$(mktemp -d)
  E2E_CONFIG=$E2E_WORK/config
  mkdir -p "$E2E_CONFIG"
  E2E_MAP=$E2E_WORK/widgets.map
  trap e2e_cleanup EXIT

  local displayfile=$E2E_WORK/display
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$displayfile" >/dev/null 2>&1 &
  E2E_X_PID=$!
  local i
  for i in $(seq 1 50); do
    [ -s "$displayfile" ] && break
    sleep 0.1
  done
  [ -s "$displayfile" ] || { echo "FAIL: Xvfb did not start"; exit 1; }
  export DISPLAY=":$(tr -d '\n' <"$displayfile")"
  sed "/<margins>/,/<\/margins>/s|<bottom>0</bottom>|<bottom>$E2E_PANEL</bottom>|" \
    /etc/xdg/openbox/rc.xml >"$E2E_WORK/openbox.xml"
  openbox --config-file "$E2E_WORK/openbox.xml" >/dev/null 2>&1 &
  E2E_WM_PID=$!
  # The window manager is up once it names its check window on the root.
  e2e_wait_until 10 bash -c "xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'" \
    || { echo "FAIL: openbox did not start"; exit 1; }
  e2e_log "X server $DISPLAY ($size, panel $E2E_PANEL) with openbox; output in $E2E_OUT"
}

e2e_launch() {
  # e2e_launch ARGS...: starts the program with its own settings folder.
  TARVIK_WIDGET_MAP=$E2E_MAP LC_ALL=${E2E_LOCALE:-C.UTF-8} "$E2E_APP" --config-dir "$E2E_CONFIG" "$@" \
    >"$E2E_OUT/app.log" 2>&1 &
  E2E_APP_PID=$!
}

e2e_running() {
  kill -0 "$E2E_APP_PID" 2>/dev/null
}

e2e_wait_exit() {
  # Gives the program up to 6 s to end after an exit command.
  local i
  for i in $(seq 1 30); do
    e2e_running || return 0
    sleep 0.2
  done
}

e2e_windows() {
  # The titles of the visible top-level windows, one a line.
  local w
  for w in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
    xdotool getwindowname "$w" 2>/dev/null
  done
}

e2e_window_shown() {
  # e2e_window_shown REGEX: a visible window whose whole title matches.
  e2e_windows | grep -qxE "$1"
}

e2e_wait_window() {
  # e2e_wait_window REGEX [SECONDS]
  local limit=${2:-10} i
  for i in $(seq 1 $((limit * 10))); do
    e2e_window_shown "$1" && return 0
    sleep 0.1
  done
  e2e_log "window '$1' did not appear; shown: $(e2e_windows | tr '\n' '|')"
  return 1
}

e2e_wait_gone() {
  local limit=${2:-10} i
  for i in $(seq 1 $((limit * 10))); do
    e2e_window_shown "$1" || return 0
    sleep 0.1
  done
  return 1
}

e2e_wait_active() {
  # e2e_wait_active REGEX [SECONDS]: the window that takes the keys is the
  # one whose whole title matches.
  local limit=${2:-10} i
  for i in $(seq 1 $((limit * 10))); do
    xdotool getactivewindow getwindowname 2>/dev/null | grep -qxE "$1" && return 0
    sleep 0.1
  done
  e2e_log "window '$1' did not become active; active: $(xdotool getactivewindow getwindowname 2>/dev/null)"
  return 1
}

e2e_serial() {
  # The widget map's serial: one higher each time the program wrote it.
  awk -F'\t' '$1 == "serial" { print $2; exit }' "$E2E_MAP" 2>/dev/null
}

e2e_settle() {
  # Waits (up to 10 s) until the program has written its widget map twice
  # since this call: its event loop has then come round, so the input sent
  # before was handled and what that showed is drawn and in the map. Returns
  # at once when the program is not running.
  local start now i
  start=$(e2e_serial)
  for i in $(seq 1 200); do
    [ -n "${E2E_APP_PID:-}" ] && e2e_running || return 0
    now=$(e2e_serial)
    [ -n "$now" ] && [ "$now" -ge $((${start:-0} + 2)) ] && return 0
    sleep 0.05
  done
  e2e_log "the program did not come round in 10 s (widget map serial ${start:-none} to ${now:-none})"
  return 1
}

e2e_stamp() {
  # e2e_stamp FILE: what changes when the file is written again.
  stat -c '%i %y %s' "$1" 2>/dev/null
}

e2e_wait_written() {
  # e2e_wait_written FILE STAMP [SECONDS]: the file was written again since
  # e2e_stamp gave STAMP (saving replaces the whole file at once).
  local limit=${3:-10} i
  for i in $(seq 1 $((limit * 10))); do
    [ -s "$1" ] && [ "$(e2e_stamp "$1")" != "$2" ] && return 0
    sleep 0.1
  done
  e2e_log "$1 was not written"
  return 1
}

e2e_save() {
  # e2e_save FILE KEYS...: the keys that save FILE, then the wait for it.
  local file=$1 stamp
  shift
  stamp=$(e2e_stamp "$file")
  e2e_keys "$@"
  e2e_check "$(basename "$file") is saved" e2e_wait_written "$file" "$stamp"
}

e2e_widget() {
  # e2e_widget NAME [TITLE_REGEX]: "x y w h" of a visible named widget.
  local name=$1 title=${2:-.*} i
  for i in $(seq 1 30); do
    local found
    found=$(awk -F'\t' -v n="$name" -v t="^($title)\$" '$1 == n && $2 ~ t { print $3; exit }' \
      "$E2E_MAP" 2>/dev/null)
    if [ -n "$found" ]; then
      echo "$found"
      return 0
    fi
    sleep 0.1
  done
  e2e_log "no visible widget '$name'"
  return 1
}

e2e_text() {
  # e2e_text NAME [TITLE_REGEX]: the text a visible named widget shows now.
  awk -F'\t' -v n="$1" -v t="^(${2:-.*})\$" '$1 == n && $2 ~ t { print $4; exit }' "$E2E_MAP"
}

e2e_wait_text() {
  # e2e_wait_text NAME TITLE_REGEX TEXT_REGEX [SECONDS]: the widget's whole
  # text matches within the time (the map is rewritten five times a second).
  local limit=${4:-3} i
  for i in $(seq 1 $((limit * 10))); do
    e2e_text "$1" "$2" | grep -qxE -e "$3" && return 0
    sleep 0.1
  done
  e2e_log "$1 shows '$(e2e_text "$1" "$2")', not '$3'"
  return 1
}

e2e_click() {
  # e2e_click NAME [TITLE_REGEX]: a real left click in the widget's middle.
  local geometry
  geometry=$(e2e_widget "$@") || return 1
  read -r x y w h <<<"$geometry"
  xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 1
  e2e_settle
}

e2e_keys() {
  xdotool key --delay 60 "$@"
  e2e_settle
}

e2e_type() {
  xdotool type --delay 60 "$1"
  e2e_settle
}

e2e_frame() {
  # e2e_frame TITLE_REGEX: "x y w h" of the visible window's outer frame
  # (title bar and borders included), in screen pixels.
  local w
  w=$(xdotool search --onlyvisible --name "^($1)\$" 2>/dev/null | head -1)
  [ -n "$w" ] || return 1
  local info X Y WIDTH HEIGHT
  info=$(xwininfo -id "$w")
  X=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
  Y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
  WIDTH=$(sed -n 's/^ *Width: *//p' <<<"$info")
  HEIGHT=$(sed -n 's/^ *Height: *//p' <<<"$info")
  local l=0 r=0 t=0 b=0 extents
  extents=$(xprop -id "$w" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= *//p' | tr -d ' ')
  [ -n "$extents" ] && IFS=, read -r l r t b <<<"$extents"
  echo "$((X - l)) $((Y - t)) $((WIDTH + l + r)) $((HEIGHT + t + b))"
}

e2e_inside_area() {
  # e2e_inside_area TITLE_REGEX: the window's frame lies wholly inside the
  # screen less the panel.
  local geometry sw sh
  geometry=$(e2e_frame "$1") || { e2e_log "no window '$1'"; return 1; }
  read -r x y w h <<<"$geometry"
  read -r sw sh < <(xdotool getdisplaygeometry)
  if [ "$x" -lt 0 ] || [ "$y" -lt 0 ] || [ $((x + w)) -gt "$sw" ] \
    || [ $((y + h)) -gt $((sh - E2E_PANEL)) ]; then
    e2e_log "window '$1' at $geometry runs past ${sw}x$((sh - E2E_PANEL))"
    return 1
  fi
}

e2e_clear_of() {
  # e2e_clear_of TITLE_REGEX "x y w h": the window's frame does not cover the
  # rectangle (in screen pixels).
  local geometry
  geometry=$(e2e_frame "$1") || return 1
  read -r x y w h <<<"$geometry"
  read -r ax ay aw ah <<<"$2"
  if [ "$x" -lt $((ax + aw)) ] && [ "$ax" -lt $((x + w)) ] && [ "$y" -lt $((ay + ah)) ] \
    && [ "$ay" -lt $((y + h)) ]; then
    e2e_log "window '$1' at $geometry covers $2"
    return 1
  fi
}

e2e_shot() {
  # e2e_shot NAME: the whole screen as the user sees it.
  import -window root "$E2E_OUT/$1.png"
}

e2e_record() {
  # e2e_record FILE N: line N of a saved file, line end and blanks dropped.
  sed -n "${2}p" "$1" | tr -d '\r '
}

e2e_finish() {
  if [ "$E2E_FAILURES" -eq 0 ]; then
    echo "PASS: $E2E_NAME (screenshots in $E2E_OUT)"
    exit 0
  fi
  echo "FAIL: $E2E_NAME had $E2E_FAILURES failed checks (screenshots in $E2E_OUT)"
  exit 1
}

e2e_start_worked() {
  # e2e_start_worked [EXAMPLE]: the worked example (or the shipped EXAMPLE,
  # such as CIRCLE.TK) copied to $car (CAR.TK) and opened
  # with a fresh settings folder, then the start-up windows closed as a
  # person closes them (tst_mainwindow.sh checks each on its own). Sets
  # $car and $main (the main window's title).
  car=$E2E_WORK/CAR.TK
  main='Tarvik - Quellmark Inc\.   \[ CAR\.TK\*? \]'
  cp "$E2E_DATA/tkfiles/${1:-WORKED.TK}" "$car"
  e2e_launch "$car"
  e2e_close_start_windows
}

e2e_close_start_windows() {
  # The intro messages and the warning window of every start, closed as a
  # person closes them.
  e2e_check "first intro message shows" e2e_wait_window 'IMPORTANT:  Help \(definition\)' 15
  e2e_settle
  e2e_click IntroOk 'IMPORTANT:  Help \(definition\)'
  e2e_check "second intro message shows" e2e_wait_window 'Loading a Set of Saved Specs'
  e2e_wait_active 'Loading a Set of Saved Specs'
  e2e_keys Return
  e2e_check "warning window shows" e2e_wait_window 'Tarvik'
  e2e_settle
  e2e_click WarningOk 'Tarvik'
  e2e_check "warning window closes" e2e_wait_gone 'Tarvik'
  e2e_wait_active 'Tarvik - .*'
}

e2e_type_coil_spring() {
  # e2e_type_coil_spring CALC_TITLE: in the open spring calculator, the coil
  # spring chosen for both sides and its wire, coil and turns typed.
  e2e_click CalcCombo1 "$1"
  e2e_type b
  e2e_keys Return
  e2e_click CalcData3 "$1"
  e2e_type 0.5
  e2e_keys Tab
  e2e_type 3.5
  e2e_keys Tab
  e2e_type 10
  e2e_keys Tab
}
