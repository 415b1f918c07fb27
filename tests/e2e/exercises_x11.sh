#!/usr/bin/env bash
# The scored exercises of the real program on a real X server (Xvfb, no window manager), driven by
# pointer clicks only: each exercise opens from its button on the main window at its place, over
# the main window in its inactive look; a wrong answer shows "Incorrect..." in dark red and leaves
# every slot of the kanji at 0, a late right answer "Correct!" in bright blue without scoring, a
# right first answer sets the exercise's slot in data/scores.dat; "Do Exercises to Complete List"
# runs all five exercises in turn and comes back to the main window. A meaning too long for its
# row opens its popup over the row, and a click on the popup answers.
#
#   exercises_x11.sh RUN_DIR BUILD_DIR [DISPLAY_NUMBER]
set -euo pipefail

run_dir=$(cd "${1:?usage: exercises_x11.sh RUN_DIR BUILD_DIR [DISPLAY_NUMBER]}" && pwd)
build_dir=$(cd "${2:?usage: exercises_x11.sh RUN_DIR BUILD_DIR [DISPLAY_NUMBER]}" && pwd)
e2e_name=exercises_x11
source "$(dirname "$0")/x11_lib.sh"

write_stroke_data
start_x "${3:-}"
make_folder 1
start_program
echo "$e2e_name: main window at $main_x,$main_y"

titles=("Kanji Meaning Multiple Choice Exercise" "ON Pronunciation Multiple Choice Exercise"
  "KUN Pronunciation Multiple Choice Exercise" "Kanji Stroke Order Exercise"
  "Kanji Grid Search Exercise")
names=(meaning ON KUN "stroke order" grid)
buttons=(121 151 181 211 241)         # y of each button in the main window's exercises panel
strips=("23 114 305" "23 114 305" "23 114 305" "32 322 260" "23 298 424") # feedback line x y w
exits=("298 436" "300 448" "300 444" "297 476" "403 508")
nexts=("292 402" "292 398" "292 398" "292 438" "399 466")

# The answer of the question now asked, as a point of the window: a row of the choice panel or
# a cell of the grid; `other` is a wrong one.
answer_point() { # KIND ANSWER...
  local k=$1; shift
  if [ "$k" = 4 ]; then # column, row
    ax=$((30 + 40 * $1 + 20)) ay=$((44 + 40 * $2 + 20))
    ox=$((30 + 40 * (($1 + 1) % 10) + 20)) oy=$ay
  else # row
    ax=135 ay=$((145 + 32 * $1 + 16))
    ox=135 oy=$((145 + 32 * (($1 + 1) % 5) + 16))
  fi
}
question() { # KIND COUNT_BEFORE: waits for the next question's trace line; sets kanji, answer
  local kind=ChoiceExLoadKanji words
  [ "$1" = 4 ] && kind=KanjiGridTarget
  words=$(wait_trace "$kind" "$2") || { failures=$((failures + 1)); return 1; }
  read -r kanji a b <<<"$words"
  answer_point "$1" "$a" "${b:-}"
}
feedback() { # KIND COLOUR: pixels of that colour in the feedback line
  read -r sx sy sw <<<"${strips[$1]}"
  poll_colour $((win_x + sx)) $((win_y + sy)) "$sw" 16 "$2" 20
}

for k in 0 1 2 4; do
  kind=ChoiceExLoadKanji
  [ "$k" = 4 ] && kind=KanjiGridTarget
  before=$(trace_lines "$kind")
  main_button "${buttons[$k]}"
  wait_window "${titles[$k]}" || continue
  check "${names[$k]}: opens at the main window's top-left over its inactive look" \
    '[ "$win_x" = "$main_x" ] && [ "$win_y" = "$main_y" ] && main_looks inactive'
  question "$k" "$before" || continue
  first=$kanji
  click $((win_x + ox)) $((win_y + oy))
  red=$(feedback "$k" red)
  read -r sx sy sw <<<"${strips[$k]}"
  blue=$(colour_count $((win_x + sx)) $((win_y + sy)) "$sw" 16 blue)
  check "${names[$k]}: a wrong answer shows in dark red ($red px), no bright blue ($blue px)" \
    '[ "$red" -ge 20 ] && [ "$blue" = 0 ]'
  check "${names[$k]}: every slot of kanji $first is 0 after the wrong answer" 'all_slots_zero "$first"'
  click $((win_x + ax)) $((win_y + ay))
  blue=$(feedback "$k" blue)
  check "${names[$k]}: the late right answer shows \"Correct!\" in bright blue ($blue px)" '[ "$blue" -ge 20 ]'
  check "${names[$k]}: the late right answer scores nothing" 'all_slots_zero "$first"'
  before=$(trace_lines "$kind")
  read -r nx ny <<<"${nexts[$k]}"
  click $((win_x + nx)) $((win_y + ny))
  question "$k" "$before" || continue
  click $((win_x + ax)) $((win_y + ay))
  blue=$(feedback "$k" blue)
  check "${names[$k]}: a right first answer (kanji $kanji) shows \"Correct!\" ($blue px) and sets slot $k" \
    '[ "$blue" -ge 20 ] && [ "$(slot "$kanji" "$k")" = 1 ]'
  read -r ex ey <<<"${exits[$k]}"
  click $((win_x + ex)) $((win_y + ey))
  wait_gone "${titles[$k]}" || true
  check "${names[$k]}: Exit closes it and the main window looks active again" \
    '[ -z "$(visible "^${titles[$k]}\$")" ] && main_looks active'
done

# The full sequence: every exercise in turn, each left with Exit.
main_button 61
opened=()
for k in 0 1 2 3 4; do
  wait_window "${titles[$k]}" || break
  opened+=("${names[$k]}")
  read -r ex ey <<<"${exits[$k]}"
  click $((win_x + ex)) $((win_y + ey))
  wait_gone "${titles[$k]}" || break
done
check "\"Do Exercises to Complete List\" ran ${#opened[@]} exercises (${opened[*]})" '[ "${#opened[@]}" = 5 ]'
check "the sequence ends at the main window in its active look" 'main_looks active'
quit_program

# A meaning too long for its row: hovering the row opens the popup over it (its pale yellow
# 0xf5ffff fills the row round the text); a click on the popup answers with its row.
long=$(data_word long)
make_folder 2
write_learning_list "$long"
start_program
before=$(trace_lines ChoiceExLoadKanji)
main_button "${buttons[0]}"
if wait_window "${titles[0]}" && question 0 "$before"; then
  crop="260x4+$((win_x + ax - 64))+$((win_y + ay + 11))"
  fill_before=$(import -window root -depth 8 -crop "$crop" txt:- | grep -c '#FFFFF5' || true)
  xdotool mousemove $((win_x + ax)) $((win_y + ay))
  fill=$(poll_for "n=\$(import -window root -depth 8 -crop '$crop' txt:- | grep -c '#FFFFF5'); [ \$n -ge 500 ] && echo \$n" 8000 || echo 0)
  check "popup: opens over the row of kanji $long ($fill_before then $fill px of its fill)" \
    '[ "$fill_before" = 0 ] && [ "$fill" -ge 500 ]'
  click $((win_x + ax)) $((win_y + ay))
  blue=$(feedback 0 blue)
  check "popup: a click on it answers right ($blue px of bright blue) and sets slot 0" \
    '[ "$blue" -ge 20 ] && [ "$(slot "$kanji" 0)" = 1 ]'
fi
[ "$failures" = 0 ] || { echo "$e2e_name: $failures checks failed"; exit 1; }
echo "$e2e_name: PASS"
