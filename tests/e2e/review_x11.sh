#!/usr/bin/env bash
# The review window on a real X server (Xvfb, no window manager): the main window's "Review
# Learning List Kanji" opens it over the main window, which turns inactive; "Next" walks a
# 30-kanji Learning List to its end (the kanji display changes at every step, "Next" greys out at
# the last kanji and not before); "Exit" closes the window and the main window is active again
# (its captions coloured, its buttons answering).
#
#   review_x11.sh RUN_DIR [OUT_DIR]    (OUT_DIR receives a screenshot of the review window)
set -euo pipefail

run_dir=$(cd "${1:?usage: review_x11.sh RUN_DIR [OUT_DIR]}" && pwd)
out_dir=${2:-}
e2e_name=review_x11
source "$(dirname "$0")/x11_lib.sh"
fail() { die "$@"; }

# A fresh installation folder with a Learning List of 30 kanji (numbers 101 to 130).
start_x
make_folder 1
write_learning_list $(seq 101 130)
start_program

# Ink (a dark pixel) in WxH+X+Y of the screen.
ink_at() {
  local v
  v=$(import -window root -crop "$1" -colorspace gray -format '%[fx:minima]' info: 2>/dev/null) ||
    return 0
  awk -v v="$v" 'BEGIN { if (v < 0.5) print "ink" }'
}
# The main window's "General:" caption: coloured while the window is active.
main_active() { ink_at "50x14+$((main_x + 420))+$((main_y + 56))"; }
poll_for main_active 5000 >/dev/null || fail "the main window does not look active at start"

# "Review Learning List Kanji" in the exercises panel.
xdotool mousemove $((main_x + 435)) $((main_y + 87)) click 1
review=$(poll_for "visible '^Review Learning List Kanji\$'" 5000) || fail "no review window"
eval "$(xdotool getwindowgeometry --shell "$review")"
echo "review_x11: review window $review at $X,$Y size ${WIDTH}x${HEIGHT}"
[ "$WIDTH" -eq 680 ] && [ "$HEIGHT" -eq 457 ] || fail "review window is ${WIDTH}x${HEIGHT}"
[ "$X" -eq "$main_x" ] && [ "$Y" -eq "$main_y" ] || fail "not at the main window's top-left"
rx=$X ry=$Y
# The Previous and Next captions, the kanji display.
previous_ink() { ink_at "40x14+$((rx + 34))+$((ry + 427))"; }
next_ink() { ink_at "30x14+$((rx + 130))+$((ry + 427))"; }
kanji_sum() { import -window "$review" -crop 196x196+22+110 -depth 8 rgb:- | md5sum; }
poll_for next_ink 5000 >/dev/null || fail "Next is not enabled at opening"
[ -z "$(previous_ink)" ] || fail "Previous is enabled at opening"
[ -z "$(main_active)" ] || fail "the main window still looks active under the review"
if [ -n "$out_dir" ]; then
  mkdir -p "$out_dir"
  import -window root -crop "680x457+$rx+$ry" "$out_dir/review_x11.png"
fi

# Next 29 times: each shows another kanji; Next greys out only at the last.
changed_from() { local now; now=$(kanji_sum); [ "$now" != "$1" ] && echo "$now"; }
sum=$(kanji_sum)
for step in $(seq 1 29); do
  [ "$step" -ne 29 ] || [ -n "$(next_ink)" ] || fail "Next greyed out before the last step"
  xdotool mousemove $((rx + 136)) $((ry + 436)) click 1
  sum=$(poll_for "changed_from '$sum'" 5000) || fail "step $step did not change the kanji display"
done
poll_for "[ -z \"\$(next_ink)\" ] && echo grey" 5000 >/dev/null || fail "Next still enabled at the end"
[ -n "$(previous_ink)" ] || fail "Previous is not enabled at the end"
echo "review_x11: Next walked 29 steps to the 30th kanji and greyed out there"

# Exit: the window goes and the main window is active again.
xdotool mousemove $((rx + 625)) $((ry + 436)) click 1
poll_for "[ -z \"\$(visible '^Review Learning List Kanji\$')\" ] && echo gone" 5000 >/dev/null ||
  fail "Exit did not close the review window"
poll_for main_active 5000 >/dev/null || fail "the main window does not look active after Exit"
xdotool mousemove $((main_x + 435)) $((main_y + 87)) click 1
poll_for "visible '^Review Learning List Kanji\$'" 5000 >/dev/null ||
  fail "the main window's button does not answer after Exit"
echo "review_x11: Exit closed the window; the main window is active and opens the review again"
xdotool mousemove $((rx + 625)) $((ry + 436)) click 1
poll_for "[ -z \"\$(visible '^Review Learning List Kanji\$')\" ] && echo gone" 5000 >/dev/null ||
  fail "the second review window did not close"
echo "review_x11: PASS"
