#!/usr/bin/env bash
# Finding a kanji by drawing it, on a real X server (Xvfb, no window manager): the real program in
# a fresh folder; "Add Word to List" on the main window, then "Draw Kanji"; 水 drawn in the box
# with the pointer (pressed, moved, released along each stroke, in stroke order); the first
# candidate must be 水 (its ink read back from the strip); a click on it selects it in Add Word,
# "Add Selected Word" adds it; Exit in each window; then data/llist.dat holds the ten first kanji
# and 水 (44), and brushwise.opt the Draw a Kanji window's offset from Add Word in slots 35, 36.
#
#   draw_kanji_x11.sh RUN_DIR [OUT_DIR]    (OUT_DIR receives screenshots)
set -euo pipefail

run_dir=$(cd "${1:?usage: draw_kanji_x11.sh RUN_DIR [OUT_DIR]}" && pwd)
out_dir=${2:-}
e2e_name=draw_kanji_x11
source "$(dirname "$0")/x11_lib.sh"
fail() { die "$@"; }
word() { od -An -t d4 -j $(( 4 * $2 )) -N 4 "$1" | tr -d ' '; }
origin() { # origin WINDOW_ID: "X Y" of the window on the screen
  eval "$(xdotool getwindowgeometry --shell "$1")"
  echo "$X $Y"
}
# Dark pixels (ink) in a screen rectangle W H X Y.
ink_count() {
  import -window root -depth 8 -crop "$1x$2+$3+$4" txt:- | tr '(),' '   ' |
    awk 'NR > 1 && $3 + $4 + $5 < 300 { n++ } END { print n + 0 }'
}

# A fresh installation folder without any user file.
start_x
make_folder 1
start_program
poll_for "[ -z \"\$(visible '^SplashWindow\$')\" ] && echo gone" 10000 >/dev/null ||
  fail "the splash stays"
mx=$main_x my=$main_y

# Add Word from the main window, then Draw Kanji right of its Search button.
click $(( mx + 32 + 20 )) $(( my + 324 + 12 ))
add=$(poll_for "visible '^Add Word to Learning List$'" 5000) || fail "Add Word did not open"
read -r ax ay <<<"$(origin "$add")"
click $(( ax + 322 )) $(( ay + 172 + 12 ))
draw=$(poll_for "visible '^Draw a Kanji$'" 5000) || fail "Draw a Kanji did not open"
read -r dx dy <<<"$(origin "$draw")"
echo "draw_kanji_x11: main $mx,$my; Add Word $ax,$ay; Draw a Kanji $dx,$dy"

# A stroke through waypoints in box coordinates (the box is at 20, 44 of the window): pressed at
# the first, moved every few pixels, released at the last; one xdotool call per stroke.
stroke() {
  local args
  args=$(echo "$@" | awk -v ox=$(( dx + 20 )) -v oy=$(( dy + 44 )) '{
    printf "mousemove %d %d mousedown 1", ox + $1, oy + $2
    for (i = 3; i + 1 <= NF; i += 2) {
      x0 = $(i - 2); y0 = $(i - 1); x1 = $i; y1 = $(i + 1)
      d = sqrt((x1 - x0) ^ 2 + (y1 - y0) ^ 2); n = int(d / 5) + 1
      for (k = 1; k <= n; k++)
        printf " sleep 0.004 mousemove %d %d", ox + x0 + (x1 - x0) * k / n, oy + y0 + (y1 - y0) * k / n
    }
    printf " mouseup 1"
  }')
  # shellcheck disable=SC2086
  xdotool $args
}
stroke 128 30  128 222  108 204   # the middle stroke with its hook
stroke 44 94  100 94  38 196      # left: across, then down to the left
stroke 206 64  148 124            # right, upper
stroke 144 104  232 216           # right, lower sweep

# The strip (at 20, 330; cells 39 wide from 5) fills once the strokes are recognised.
strip_x=$(( dx + 20 + 5 )) strip_y=$(( dy + 330 + 3 ))
poll_for "[ \$(ink_count 39 46 $strip_x $strip_y) -gt 20 ] && echo ink" 5000 >/dev/null ||
  fail "no candidate in the strip"
if [ -n "$out_dir" ]; then
  mkdir -p "$out_dir"
  import -window root -crop "440x428+$dx+$dy" "$out_dir/draw_kanji_x11.png"
fi

# The first candidate, clicked, is selected in Add Word; Add Selected Word adds it.
# The details panel (at 210, 308) has only pale labels until a kanji is selected.
[ "$(ink_count 170 110 $(( ax + 214 )) $(( ay + 312 )))" -eq 0 ] || fail "details shown too early"
click $(( strip_x + 19 )) $(( strip_y + 23 ))
poll_for "[ \$(ink_count 170 110 $(( ax + 214 )) $(( ay + 312 ))) -gt 0 ] && echo shown" 5000 \
  >/dev/null || fail "the candidate was not selected in Add Word"
click $(( ax + 210 + 40 )) $(( ay + 248 + 12 ))
[ -n "$out_dir" ] && import -window root -crop "408x495+$ax+$ay" "$out_dir/add_word_x11.png"

# Exit: the drawing window, Add Word, the main window.
click $(( dx + 369 + 20 )) $(( dy + 394 + 12 ))
poll_for "[ -z \"\$(visible '^Draw a Kanji\$')\" ] && echo closed" 5000 >/dev/null ||
  fail "Exit did not close Draw a Kanji"
click $(( ax + 338 + 20 )) $(( ay + 462 + 12 ))
poll_for "[ -z \"\$(visible '^Add Word to Learning List\$')\" ] && echo closed" 5000 >/dev/null ||
  fail "Exit did not close Add Word"
quit_program

cd "$folder"
[ "$(word data/llist.dat 0)" -eq 11 ] || fail "llist.dat holds $(word data/llist.dat 0) kanji, not 11"
[ "$(word data/llist.dat 11)" -eq 44 ] ||
  fail "the kanji added is $(word data/llist.dat 11), not 水 (44)"
[ "$(word brushwise.opt 35)" -eq $(( dx - ax )) ] && [ "$(word brushwise.opt 36)" -eq $(( dy - ay )) ] ||
  fail "offset not stored: $(word brushwise.opt 35),$(word brushwise.opt 36)"
echo "draw_kanji_x11: 水 drawn, offered first, added: llist.dat ends with 44;" \
  "offset $(( dx - ax )),$(( dy - ay )) in slots 35, 36"
echo "draw_kanji_x11: PASS"
