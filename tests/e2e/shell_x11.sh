#!/usr/bin/env bash
# The shell on a real X server (Xvfb, no window manager): the splash is up for at least two
# seconds, then the main window "Brushwise" (672 x 479, centred) shows the first ten kanji; Add
# Word and the meaning exercise open at a click on their buttons and close at a click on their
# "Exit"; a second start while another window covers the main window ends with code 0, leaves
# one program and one window, and brings that window to the front; a click on "Exit" ends the
# program with code 0 and leaves the options, the Learning List, the completed list and the score
# table as they should be.
#
#   shell_x11.sh RUN_DIR [OUT_DIR]    (OUT_DIR receives a screenshot of the main window)
set -euo pipefail

run_dir=$(cd "${1:?usage: shell_x11.sh RUN_DIR [OUT_DIR]}" && pwd)
out_dir=${2:-}
e2e_name=shell_x11
source "$(dirname "$0")/x11_lib.sh"
xev_pid=""
cover_pid=""
e2e_extra_pids() { echo "$cover_pid $xev_pid"; }

fail() { die "$@"; }
all_visible() { xdotool search --onlyvisible --name "$1" 2>/dev/null || true; }
word() { od -An -t d4 -j $(( 4 * $2 )) -N 4 "$1" | tr -d ' '; }
size() { stat -c %s "$1"; }

make_folder 1 # without any user file
start_x
export XDG_RUNTIME_DIR="$work/runtime"

# Start. The X server's own map and unmap notices, stamped as they arrive, time the splash.
events="$work/events"
stdbuf -oL xev -root -event substructure -event property 2>/dev/null |
  while IFS= read -r line; do echo "${EPOCHREALTIME/./} $line"; done >"$events" &
xev_pid=$!
# Listening once a property change on the root window comes through.
poll_for "xprop -root -f _BRUSHWISE_E2E 8s -set _BRUSHWISE_E2E ready; grep -m1 PropertyNotify '$events'" \
  5000 >/dev/null || fail "xev does not listen"
cd "$folder"
./brushwise 2>"$work/stderr" &
app_pid=$!
splash=$(poll_for "visible '^SplashWindow\$'" 10000) || fail "no splash: $(cat "$work/stderr")"
splash_hex=$(printf '0x%x' "$splash")
# The main window, once the splash has gone.
id=$(poll_for "visible '^Brushwise$'" 10000) || fail "no main window"
[ -z "$(visible '^SplashWindow$')" ] || fail "the splash is still up beside the main window"
notice_time() { # $1 MapNotify or UnmapNotify: when the X server reported it for the splash
  awk -v kind="$1" -v w="window $splash_hex," \
    'index($0, kind " event") { t = $1; getline; if (index($0, w)) { print t; exit } }' "$events"
}
mapped=$(notice_time MapNotify)
unmapped=$(notice_time UnmapNotify)
[ -n "$mapped" ] && [ -n "$unmapped" ] || fail "no map and unmap notices for the splash"
splash_ms=$(( (unmapped - mapped) / 1000 ))
echo "shell_x11: splash $splash_hex mapped for $splash_ms ms"
[ "$splash_ms" -ge 2000 ] || fail "the splash was up for only $splash_ms ms"
[ "$(all_visible '^Brushwise$' | wc -l)" -eq 1 ] || fail "more than one main window"
eval "$(xdotool getwindowgeometry --shell "$id")"
echo "shell_x11: main window $id at $X,$Y size ${WIDTH}x${HEIGHT}"
[ "$WIDTH" -eq 672 ] && [ "$HEIGHT" -eq 479 ] || fail "main window is ${WIDTH}x${HEIGHT}"
[ "$X" -eq 304 ] && [ "$Y" -eq 272 ] || fail "main window not centred in the work area: $X,$Y"
win_x=$X win_y=$Y
# Ink (a dark pixel) in a part of the window: WxH+X+Y in window coordinates.
ink() {
  local w=${1%%x*} rest=${1#*x} v
  local h=${rest%%+*} xy=${rest#*+}
  v=$(import -window root -crop "${w}x${h}+$((win_x + ${xy%%+*}))+$((win_y + ${xy#*+}))" \
        -colorspace gray -format '%[fx:minima]' info: 2>/dev/null) || return 0
  awk -v v="$v" 'BEGIN { if (v < 0.5) print "ink" }'
}
poll_for "ink 40x20+26+54" 5000 >/dev/null || fail "the Learning List shows no kanji"
[ -n "$(ink 19x14+647+4)" ] || fail "the caption bar has no close glyph (control images missing)"
if [ -n "$out_dir" ]; then
  mkdir -p "$out_dir"
  import -window root -crop "672x479+$win_x+$win_y" "$out_dir/main_window_x11.png"
fi

# open_and_exit TITLE OPEN_X OPEN_Y EXIT_X EXIT_Y: a click at OPEN (main window coordinates)
# opens the window TITLE; a click on its "Exit" (its own coordinates) closes it again.
open_and_exit() {
  local w
  click $((win_x + $2)) $((win_y + $3))
  w=$(poll_for "visible '^$1\$'" 10000) || fail "no window \"$1\""
  eval "$(xdotool getwindowgeometry --shell "$w")"
  click $((X + $4)) $((Y + $5))
  poll_for "[ -z \"\$(visible '^$1\$')\" ] && echo gone" 10000 >/dev/null ||
    fail "\"$1\" did not close on Exit"
  echo "shell_x11: \"$1\" opened at $X,$Y and closed"
}
open_and_exit "Add Word to Learning List" 90 336 368 472
open_and_exit "Kanji Meaning Multiple Choice Exercise" 430 179 298 436

# Another window over the main window (xev's own), then a second start: code 0, one process,
# one window, now in front, and no file touched.
xev -geometry 1280x1024+0+0 -name cover >/dev/null 2>&1 &
cover_pid=$!
cover=$(poll_for "visible '^cover\$'" 10000) || fail "no covering window"
# The root's children from the top of the stack down (xwininfo lists the topmost first).
stacking() { xwininfo -root -children | awk '/^ +0x/ { print $1 }'; }
on_top() { # $1 $2: is window $1 above window $2?
  stacking | awk -v a="$(printf '0x%x' "$1")" -v b="$(printf '0x%x' "$2")" \
    '$1 == a { pa = NR } $1 == b { pb = NR } END { if (pa && pb && pa < pb) print "above" }'
}
[ -n "$(on_top "$cover" "$id")" ] || fail "the covering window is not over the main window: cover $cover main $id; $(stacking | tr "\n" " ")"
before=$(ls -l --time-style=+%s.%N data brushwise.opt)
second=0
timeout 10 ./brushwise 2>>"$work/stderr" || second=$?
[ "$second" -eq 0 ] || fail "second start ended with $second"
[ "$(all_visible '^Brushwise$' | wc -l)" -eq 1 ] || fail "not exactly one main window after the second start"
[ "$(pgrep -c -x brushwise -P $$ || true)" -eq 1 ] || fail "not exactly one program running"
poll_for "on_top '$id' '$cover'" 5000 >/dev/null || fail "the first window was not brought to the front"
kill "$cover_pid" 2>/dev/null || true
[ "$before" = "$(ls -l --time-style=+%s.%N data brushwise.opt)" ] || fail "the second start touched the files"
echo "shell_x11: second start ended with 0, one window left"

# Exit.
main_x=$win_x main_y=$win_y
quit_program

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
