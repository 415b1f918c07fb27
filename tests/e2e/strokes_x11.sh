#!/usr/bin/env bash
# The strokes screens of the real program on a real X server (Xvfb, no window manager), driven by
# the pointer only: the stroke order exercise run by clicking each start of a kanji in order
# ("Correct!" and the start's number after each click, score slot 3 set; a miss in dark red costs
# every slot), and the practice window traced along the real strokes of a 20-stroke kanji (press,
# moves 10 ms apart, release) to "WELL DONE", then a stroke out of order ending the attempt in red.
#
#   strokes_x11.sh RUN_DIR BUILD_DIR [DISPLAY_NUMBER]
set -euo pipefail

run_dir=$(cd "${1:?usage: strokes_x11.sh RUN_DIR BUILD_DIR [DISPLAY_NUMBER]}" && pwd)
build_dir=$(cd "${2:?usage: strokes_x11.sh RUN_DIR BUILD_DIR [DISPLAY_NUMBER]}" && pwd)
e2e_name=strokes_x11
source "$(dirname "$0")/x11_lib.sh"

list=(1 2 3)
write_stroke_data "${list[@]}"
twenty=$(data_word twenty)
list=("$twenty" "${list[@]}")
write_stroke_data "${list[@]}" # the starts of the 20-stroke kanji too
start_x "${3:-}"
make_folder 1
write_learning_list "${list[@]}"
start_program
echo "$e2e_name: main window at $main_x,$main_y; Learning List ${list[*]} (kanji $twenty has 20 strokes)"

# --- The stroke order exercise, from its button on the main window.
main_button 211
wait_window "Kanji Stroke Order Exercise" || exit 1
check "the exercise opens at the main window's top-left (offset slots 11, 12 empty)" \
  '[ "$win_x" = "$main_x" ] && [ "$win_y" = "$main_y" ]'
check "the main window looks inactive" 'main_looks inactive'
display_x=$((win_x + 50)) display_y=$((win_y + 50))
strip_x=$((win_x + 32)) strip_y=$((win_y + 322))
asked=0
kanji=$(wait_trace StrokeOrderExLoadKanji $asked)
if [ "$kanji" = "$twenty" ]; then # twenty clicks take long: the next kanji will do
  click $((win_x + 292)) $((win_y + 438))
  asked=$((asked + 1))
  kanji=$(wait_trace StrokeOrderExLoadKanji $asked)
fi
read -ra starts <<<"$(data_line "starts $kanji")"
n=$((${#starts[@]} / 2))
right=0
t0=$(now_ms)
for ((i = 0; i < n; i++)); do
  sx=${starts[$((2 * i))]} sy=${starts[$((2 * i + 1))]}
  # A start on top of an earlier one has its number moved along its line: look around it.
  left=$((sx < 48 ? 0 : sx - 48)) top=$((sy < 48 ? 0 : sy - 48))
  around=($((display_x + left)) $((display_y + top)) 97 97 marker)
  before=$(colour_count "${around[@]}")
  click $((display_x + sx)) $((display_y + sy))
  marker=$(poll_colour "${around[@]}" $((before + 15)))
  blue=$(poll_colour "$strip_x" "$strip_y" 70 16 blue 20)
  [ "$marker" -ge $((before + 15)) ] && [ "$blue" -ge 20 ] && right=$((right + 1))
done
echo "$e2e_name: $n starts of kanji $kanji clicked in $(( $(now_ms) - t0 )) ms"
check "each of the $n clicks numbered its start and showed \"Correct!\" in bright blue ($right of $n)" \
  '[ "$right" = "$n" ]'
check "score slot 3 of kanji $kanji is set" '[ "$(slot "$kanji" 3)" = 1 ]'

click $((win_x + 292)) $((win_y + 438)) # Next
second=$(wait_trace StrokeOrderExLoadKanji $((asked + 1)))
read -ra starts <<<"$(data_line "starts $second")"
# A click at least 40 pixels from the first start in both directions.
mx=$(( starts[0] < 130 ? starts[0] + 100 : starts[0] - 100 ))
my=$(( starts[1] < 130 ? starts[1] + 100 : starts[1] - 100 ))
click $((display_x + mx)) $((display_y + my))
red=$(poll_colour "$strip_x" $((strip_y + 16)) 260 14 red 20)
check "a miss on kanji $second shows \"Incorrect... try again.\" in dark red ($red px)" '[ "$red" -ge 20 ]'
check "every slot of kanji $second is 0 after the miss" 'all_slots_zero "$second"'
click $((win_x + 297)) $((win_y + 476)) # Exit
wait_gone "Kanji Stroke Order Exercise" || check "Exit closes the exercise" false
check "the main window looks active again" 'main_looks active'

# --- The practice window, from its button on the main window.
main_button 301
wait_window "Stroke Order Practice Exercise" || exit 1
box_x=$((win_x + 20)) box_y=$((win_y + 56))
newest=("$((win_x + 298 + 12))" "$((win_y + 56 + 28))" 198 15) # the panel's newest message
click $((win_x + 30)) $((win_y + 406)) # " Practice Strokes "
sleep 0.2
args=()
moves=0
for ((s = 0; ; s++)); do
  path=$(data_line "path $s") || break
  [ -n "$path" ] || break
  read -ra p <<<"$path"
  args+=(mousemove $((box_x + p[0])) $((box_y + p[1])) mousedown 1)
  for ((i = 2; i < ${#p[@]}; i += 2)); do
    args+=(sleep 0.01 mousemove $((box_x + p[i])) $((box_y + p[i + 1])))
    moves=$((moves + 1))
  done
  args+=(sleep 0.02 mouseup 1 sleep 0.03)
done
t0=$(now_ms)
xdotool "${args[@]}"
echo "$e2e_name: $s strokes traced with $moves moves in $(( $(now_ms) - t0 )) ms"
blue=$(poll_colour "${newest[@]}" blue 20)
fatal=$(colour_count "${newest[@]}" fatal)
check "the traced kanji ends in \"WELL DONE\" in bright blue ($blue px, $fatal px of red)" \
  '[ "$blue" -ge 20 ] && [ "$fatal" = 0 ]'

click $((win_x + 308)) $((win_y + 342)) # "Restart Practice"
sleep 0.2
read -r wrong wx wy <<<"$(data_word wrong)"
xdotool mousemove $((box_x + wx)) $((box_y + wy)) mousedown 1 sleep 0.05 mouseup 1
fatal=$(poll_colour "${newest[@]}" fatal 20)
check "stroke $((wrong + 1)) started first ends the attempt with a fatal message in red ($fatal px)" \
  '[ "$fatal" -ge 20 ]'

click $((win_x + 30)) $((win_y + 446)) # " Exit "
wait_gone "Stroke Order Practice Exercise" || check "Exit closes the practice window" false
check "the main window looks active again" 'main_looks active'
quit_program
check "the practice left the Learning List as it was" \
  '[ "$(od -A n -t d4 "$folder/data/llist.dat" | tr -s " \n" " ")" = " 4 ${list[*]} " ]'
[ "$failures" = 0 ] || { echo "$e2e_name: $failures checks failed"; exit 1; }
echo "$e2e_name: PASS"
