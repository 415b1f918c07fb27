# Shared by the end-to-end scripts on a real X server (sourced, not run): an X server of the
# script's own, the real program started in a fresh working folder, windows found by title, clicks,
# pixels read back, and the user files read as words.
#
# The scripts know what to click from two sources: the program's trace channel
# (QT_LOGGING_RULES="brushwise.trace.debug=true": which kanji is asked and where its answer is)
# and the real data (the strokes_tests program writes where strokes start and run).

e2e_name=${e2e_name:-x11}
work=$(mktemp -d)
xvfb_pid=""
app_pid=""
failures=0

# A script with processes of its own redefines this to name them.
e2e_extra_pids() { :; }
e2e_cleanup() {
  for pid in $app_pid $(e2e_extra_pids) $xvfb_pid; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  [ -n "${E2E_KEEP:-}" ] && echo "kept $work" || rm -rf "$work"
}
trap e2e_cleanup EXIT

die() { echo "$e2e_name: FAIL: $*" >&2; exit 1; }
now_ms() { date +%s%3N; }
# check DESCRIPTION COMMAND: runs the command, reports ok or FAIL, counts failures.
check() {
  if eval "$2"; then echo "$e2e_name: ok: $1"; else echo "$e2e_name: FAIL: $1"; failed_here; fi
}
# Counts a failure and says what the screen and the program were at, for a run that fails only
# now and then: the visible windows and the newest trace lines.
failed_here() {
  failures=$((failures + 1))
  echo "$e2e_name:   windows: $(xdotool search --onlyvisible --name . getwindowname %@ 2>/dev/null | tr '\n' '|')"
  [ -f "${trace_log:-}" ] && tail -n 3 "$trace_log" | sed "s/^/$e2e_name:   /"
  return 0
}
# Polls a command until it prints something (or $2 ms pass); prints what it printed.
poll_for() {
  local deadline=$(( $(now_ms) + $2 )) got=""
  while [ "$(now_ms)" -lt "$deadline" ]; do
    got=$(eval "$1")
    [ -n "$got" ] && { echo "$got"; return 0; }
    sleep 0.02
  done
  return 1
}

# An X server on display $1 when given (already running or started here), else on a free one.
# -noreset: by default the server resets itself each time its last client leaves (a poll's
# xdotool, or the program when it quits), and a program that connects during the reset is turned
# away with "could not connect to display".
xvfb_options=(-screen 0 1280x1024x24 -nolisten tcp -noreset)
start_x() {
  if [ -n "${1:-}" ]; then
    export DISPLAY=":$1"
    if ! xdpyinfo >/dev/null 2>&1; then
      Xvfb "$DISPLAY" "${xvfb_options[@]}" >/dev/null 2>&1 &
      xvfb_pid=$!
    fi
  else
    local display_file="$work/display"
    Xvfb -displayfd 4 "${xvfb_options[@]}" 4>"$display_file" 2>/dev/null &
    xvfb_pid=$!
    poll_for "cat '$display_file' 2>/dev/null" 10000 >/dev/null || die "Xvfb did not start"
    export DISPLAY=":$(head -n1 "$display_file")"
  fi
  poll_for "xdpyinfo >/dev/null 2>&1 && echo up" 10000 >/dev/null || die "no X server on $DISPLAY"
  export QT_QPA_PLATFORM=xcb
  unset WAYLAND_DISPLAY
}

# A fresh installation folder (no user file) in $folder, the program linked from RUN_DIR.
make_folder() {
  folder="$work/run$1"
  mkdir -p "$folder/data" "$work/runtime"
  chmod 700 "$work/runtime"
  for f in data/kanji.dat data/examples.dat res dlls help brushwise; do
    ln -s "$run_dir/$f" "$folder/$f"
  done
}
# Writes data/llist.dat with the given kanji numbers (a count, then the kanji, 32-bit LE each).
le32() {
  local v=$1 i
  for i in 0 8 16 24; do printf '\\x%02x' $(((v >> i) & 255)); done
}
write_learning_list() {
  { printf "$(le32 $#)"; for k in "$@"; do printf "$(le32 "$k")"; done; } >"$folder/data/llist.dat"
}

# Starts the program in $folder with its trace channel on and waits for the main window, whose
# origin goes to main_x, main_y.
start_program() {
  trace_log="$folder/trace.log"
  (cd "$folder" && XDG_RUNTIME_DIR="$work/runtime" QT_LOGGING_RULES="brushwise.trace.debug=true" \
    exec ./brushwise 2>"$trace_log") &
  app_pid=$!
  local id
  id=$(poll_for "visible '^Brushwise\$'" 15000) ||
    die "no main window on $DISPLAY (X server $(kill -0 "$xvfb_pid" 2>/dev/null && echo running || echo gone); socket: $(ls -l "/tmp/.X11-unix/X${DISPLAY#:}" 2>&1)): $(grep -v '^brushwise.trace' "$trace_log" | head -n 4)"
  eval "$(xdotool getwindowgeometry --shell "$id")"
  main_x=$X main_y=$Y
}
# Clicks Exit on the main window and waits for the program to end with code 0.
quit_program() {
  click $((main_x + 615)) $((main_y + 460))
  local deadline=$(( $(now_ms) + 10000 ))
  while kill -0 "$app_pid" 2>/dev/null; do
    [ "$(now_ms)" -lt "$deadline" ] || die "Exit did not end the program"
    sleep 0.05
  done
  local code=0
  wait "$app_pid" || code=$?
  app_pid=""
  [ "$code" -eq 0 ] || die "the program ended with code $code"
}

visible() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1 || true; }
# Waits for the window titled exactly $1; its origin goes to win_x, win_y.
wait_window() {
  local id
  id=$(poll_for "visible '^$1\$'" 10000) || { echo "$e2e_name: FAIL: no window \"$1\""; failed_here; return 1; }
  eval "$(xdotool getwindowgeometry --shell "$id")"
  win_x=$X win_y=$Y
}
wait_gone() { poll_for "[ -z \"\$(visible '^$1\$')\" ] && echo gone" 10000 >/dev/null; }

# Moves the pointer there, then clicks (the move first, so that hover effects settle).
click() { xdotool mousemove "$1" "$2"; sleep 0.03; xdotool mousemove "$1" "$(($2 + 1))" click 1; }
# A button of the main window's exercises panel, by its y in the panel.
main_button() { click $((main_x + 430)) $((main_y + 46 + $1 + 12)); }

# colour_count X Y W H KIND: pixels of a screen rectangle near a colour of the program's:
# blue RGB(0, 0, 255), red RGB(192, 0, 0) or RGB(255, 0, 0), fatal RGB(255, 0, 0), marker
# RGB(128, 0, 0), navy RGB(0, 0, 128). Antialiased text has few pixels of the exact colour.
colour_count() {
  import -window root -depth 8 -crop "$3x$4+$1+$2" txt:- 2>/dev/null | tr '(),' '   ' |
    awk -v want="$5" 'NR > 1 { r = $3; g = $4; b = $5
      if (want == "blue" && b >= 240 && r <= 60 && g <= 60) n++
      if (want == "red" && r >= 150 && g <= 90 && b <= 90) n++
      if (want == "fatal" && r >= 235 && g <= 60 && b <= 60) n++
      if (want == "marker" && r >= 100 && r <= 170 && g <= 50 && b <= 50) n++
      if (want == "navy" && b >= 100 && b <= 170 && r <= 50 && g <= 50) n++
    } END { print n + 0 }'
}
# Polls until at least $6 pixels of the kind show (2 s at most); prints the last count.
poll_colour() {
  local deadline=$(( $(now_ms) + 6000 )) n=0
  while :; do
    n=$(colour_count "$1" "$2" "$3" "$4" "$5")
    [ "$n" -ge "$6" ] && break
    [ "$(now_ms)" -lt "$deadline" ] || break
    sleep 0.02
  done
  echo "$n"
}
# The main window's active look: its Exit button's caption is navy (greyed while inactive).
main_active_pixels() { colour_count $((main_x + 604)) $((main_y + 451)) 52 18 navy; }
# Succeeds once the main window shows the look $1 (active or inactive), within 6 s: its repaint
# follows the other window's opening or closing a little later.
main_looks() {
  local test='[ "$n" = 0 ]'
  [ "$1" = active ] && test='[ "$n" -gt 0 ]'
  poll_for "n=\$(main_active_pixels); $test && echo \$n" 6000 >/dev/null
}

slot() { od -v -A n -t u4 -j $((80 * $1 + 4 * $2)) -N 4 "$folder/data/scores.dat" | tr -d ' '; }
all_slots_zero() { [ -z "$(od -v -A n -t u4 -j $((80 * $1)) -N 80 "$folder/data/scores.dat" | tr -d ' 0\n')" ]; }
# Trace lines of one kind ("brushwise.trace: KIND words..."): how many, and the last one's words.
trace_lines() { grep -c "^brushwise.trace: $1 " "$trace_log" 2>/dev/null || true; }
last_trace() { grep "^brushwise.trace: $1 " "$trace_log" | tail -n1 | cut -d' ' -f3-; }
# Waits until there are more than $2 trace lines of kind $1; prints the last one's words. (Run in
# a command substitution, it cannot count the failure: its caller does.)
wait_trace() {
  poll_for "[ \$(trace_lines '$1') -gt $2 ] && last_trace '$1'" 5000 ||
    { echo "$e2e_name: FAIL: no trace line $1" >&2; failed_here >&2; return 1; }
}

# The real data the scripts click on: strokes_tests writes it (BUILD_DIR/tests/strokes).
write_stroke_data() { # KANJI...
  stroke_data="$work/strokes.txt"
  (cd "$build_dir/tests/strokes" && BRUSHWISE_E2E_DATA="$stroke_data" BRUSHWISE_E2E_KANJI="$*" \
    BRUSHWISE_RUN_DIR="$run_dir" QT_QPA_PLATFORM=offscreen \
    ./strokes_tests --gtest_filter='X11ScriptData.*' >"$work/data.log" 2>&1) ||
    die "strokes_tests could not write the stroke data: $(tail -5 "$work/data.log")"
}
data_line() { grep "^$1 " "$stroke_data" | head -n1 | cut -d' ' -f3-; } # e.g. data_line "starts 12"
data_word() { grep "^$1 " "$stroke_data" | head -n1 | cut -d' ' -f2-; }
