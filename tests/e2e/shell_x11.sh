#!/usr/bin/env bash
# The shell on a real X server (Xvfb, no window manager): the splash is up for at least two
# seconds, then the main window "Brushwise" (672 x 479, centred) shows the first ten kanji; a second
# start ends with code 0 and leaves one window; a click on "Exit" ends the program with code 0 and
# leaves the options, the Learning List, the completed list and the score table as they should be.
#
#   shell_x11.sh RUN_DIR [OUT_DIR]    (OUT_DIR receives a screenshot of the main window)
set -euo pipefail

run_dir=$(cd "${1:?usage: shell_x11.sh RUN_DIR [OUT_DIR]}" && pwd)
out_dir=${2:-}
work=$(mktemp -d)
xvfb_pid=""
app_pid=""

cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "shell_x11: FAIL: $*" >&2; exit 1; }
now_ms() { date +%s%3N; }
visible() { xdotool search --onlyvisible --name "$1" 2>/dev/null || true; }
# Polls a command until it prints something (or $2 ms pass); prints what it printed.
poll_for() {
  local deadline=$(( $(now_ms) + $2 )) got=""
  while [ "$(now_ms)" -lt "$deadline" ]; do
    got=$(eval "$1")
    [ -n "$got" ] && { echo "$got"; return 0; }
  done
  return 1
}
word() { od -An -t d4 -j $(( 4 * $2 )) -N 4 "$1" | tr -d ' '; }
size() { stat -c %s "$1"; }

# The installation folder without any user file.
mkdir -p "$work/data" "$work/runtime"
chmod 700 "$work/runtime"
for f in data/kanji.dat data/examples.dat res dlls help brushwise; do
  ln -s "$run_dir/$f" "$work/$f"
done

# An X server of our own on a free display.
display_file="$work/display"
Xvfb -displayfd 4 -screen 0 1280x1024x24 -nolisten tcp 4>"$display_file" 2>/dev/null &
xvfb_pid=$!
poll_for "cat '$display_file' 2>/dev/null" 10000 >/dev/null || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$display_file")"
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work/runtime"
unset WAYLAND_DISPLAY

# Start, and time the splash: A the last poll without it, B the first with it, C the last with
# it, D the first without it.
cd "$work"
a=$(now_ms)
./brushwise 2>"$work/stderr" &
app_pid=$!
deadline=$(( a + 10000 ))
while [ -z "$(visible '^SplashWindow$')" ]; do
  a=$(now_ms)
  [ "$a" -lt "$deadline" ] || fail "no splash"
  kill -0 "$app_pid" 2>/dev/null || fail "brushwise ended before its splash: $(cat "$work/stderr")"
done
b=$(now_ms)
c=$b
while [ -n "$(visible '^SplashWindow$')" ]; do c=$(now_ms); done
d=$(now_ms)
echo "shell_x11: splash visible between $(( c - b )) and $(( d - a )) ms"
[ $(( d - a )) -ge 2000 ] || fail "the splash was up for less than 2000 ms"
[ $(( c - b )) -ge 1900 ] || fail "the splash was seen for only $(( c - b )) ms"

# The main window.
id=$(poll_for "visible '^Brushwise$'" 10000) || fail "no main window"
[ "$(echo "$id" | wc -l)" -eq 1 ] || fail "more than one main window"
eval "$(xdotool getwindowgeometry --shell "$id")"
echo "shell_x11: main window $id at $X,$Y size ${WIDTH}x${HEIGHT}"
[ "$WIDTH" -eq 672 ] && [ "$HEIGHT" -eq 479 ] || fail "main window is ${WIDTH}x${HEIGHT}"
[ "$X" -eq 304 ] && [ "$Y" -eq 272 ] || fail "main window not centred in the work area: $X,$Y"
win_x=$X win_y=$Y
# The list's first row has ink once the window is painted.
first_row_ink() {
  local v
  v=$(import -window root -crop "40x20+$((win_x + 26))+$((win_y + 54))" -colorspace gray \
        -format '%[fx:minima]' info: 2>/dev/null) || return 0
  awk -v v="$v" 'BEGIN { if (v < 0.5) print "ink" }'
}
poll_for first_row_ink 5000 >/dev/null || fail "the Learning List shows no kanji"
if [ -n "$out_dir" ]; then
  mkdir -p "$out_dir"
  import -window root -crop "672x479+$win_x+$win_y" "$out_dir/main_window_x11.png"
fi

# A second start: code 0, still one window, no file touched.
before=$(ls -l --time-style=+%s.%N data brushwise.opt)
second=0
timeout 10 ./brushwise 2>>"$work/stderr" || second=$?
[ "$second" -eq 0 ] || fail "second start ended with $second"
[ "$(visible '^Brushwise$' | wc -l)" -eq 1 ] || fail "not exactly one main window after the second start"
[ "$before" = "$(ls -l --time-style=+%s.%N data brushwise.opt)" ] || fail "the second start touched the files"
echo "shell_x11: second start ended with 0, one window left"

# Exit.
xdotool mousemove $((win_x + 615)) $((win_y + 460)) click 1
deadline=$(( $(now_ms) + 10000 ))
while kill -0 "$app_pid" 2>/dev/null; do
  [ "$(now_ms)" -lt "$deadline" ] || fail "Exit did not end the program"
done
code=0
wait "$app_pid" || code=$?
app_pid=""
[ "$code" -eq 0 ] || fail "Exit ended with code $code"

# The files as the program keeps them.
[ "$(size brushwise.opt)" -eq 424 ] || fail "brushwise.opt is $(size brushwise.opt) bytes"
[ "$(word brushwise.opt 0)" -eq 1 ] || fail "option slot 0 is not 1"
[ "$(word brushwise.opt 1)" -eq "$win_x" ] && [ "$(word brushwise.opt 2)" -eq "$win_y" ] ||
  fail "window position not stored: $(word brushwise.opt 1),$(word brushwise.opt 2)"
[ "$(size data/llist.dat)" -eq 44 ] || fail "llist.dat is $(size data/llist.dat) bytes"
for i in $(seq 0 10); do
  want=$([ "$i" -eq 0 ] && echo 10 || echo "$i")
  [ "$(word data/llist.dat "$i")" -eq "$want" ] || fail "llist.dat word $i is not $want"
done
[ "$(size data/clist.dat)" -eq 7792 ] || fail "clist.dat is $(size data/clist.dat) bytes"
[ "$(word data/clist.dat 0)" -eq 1945 ] && [ "$(word data/clist.dat 1)" -eq 0 ] ||
  fail "clist.dat does not hold 1945 kanji, 0 completed"
[ "$(size data/scores.dat)" -eq 155600 ] || fail "scores.dat is $(size data/scores.dat) bytes"
[ -z "$(od -An -v -t x1 data/scores.dat | tr -d ' 0\n')" ] || fail "scores.dat is not all zeros"
echo "shell_x11: Exit ended with 0; brushwise.opt 424 bytes (slot 0 = 1, position $win_x,$win_y)," \
  "llist.dat 10 kanji 1-10, clist.dat 7792 bytes (0 completed), scores.dat 155600 zero bytes"
echo "shell_x11: PASS"
