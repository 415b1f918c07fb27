#!/usr/bin/env bash
# The exercises on a real X server, driven by pointer clicks only: each exercise opens from its
# button on a stand-in main window, right and wrong answers show in the feedback line in their
# colours, data/scores.dat agrees, and the full sequence runs through every exercise and back.
# Usage: tests/e2e/exercises_x11.sh [BUILD_DIR] [DISPLAY_NUMBER]
set -euo pipefail

build=$(realpath "${1:-build}")
display=":${2:-15}"
work=$(mktemp -d)
state="$work/state"
fail=0
trap 'touch "$state.quit"; [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT

if ! xdpyinfo -display "$display" >/dev/null 2>&1; then
    Xvfb "$display" -screen 0 1280x1024x24 >/dev/null 2>&1 &
    xvfb=$!
    for _ in $(seq 100); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.05; done
fi
export DISPLAY="$display"

start_driver() { # extra environment settings for the driver as arguments
    rm -f "$state" "$state.quit"
    (cd "$build/tests/exercises" && env BRUSHWISE_E2E_STATE="$state" QT_QPA_PLATFORM=xcb \
        BRUSHWISE_RUN_DIR="$build/run" "$@" ./exercises_tests --gtest_filter='X11Driver.*' \
        >>"$work/driver.log" 2>&1) &
    driver=$!
}
stop_driver() { touch "$state.quit"; wait "$driver" || { echo "FAIL: driver"; cat "$work/driver.log"; fail=1; }; }
start_driver

# state: kind kanji answer_x answer_y window_x window_y step folder main_enabled
read_state() { # the answer point comes in window coordinates: made a screen point here
    read -r kind kanji ax ay wx wy step folder main_enabled <"$state"
    ax=$((ax + wx)); ay=$((ay + wy))
}
wait_for() { # wait_for KIND: polls the state until that exercise (or "none") is open
    for _ in $(seq 200); do
        [ -f "$state" ] && read_state && [ "$kind" = "$1" ] && return 0
        sleep 0.05
    done
    echo "FAIL: waited for exercise $1, state: $(cat "$state" 2>/dev/null)"; fail=1; return 1
}
wait_change() { local before; before=$(cat "$state"); for _ in $(seq 100); do
    [ "$(cat "$state")" != "$before" ] && break; sleep 0.05; done; read_state; }
click() { xdotool mousemove "$1" "$2"; sleep 0.05; xdotool mousemove "$1" "$(($2 + 1))" click 1; }
main_button() { click $((40 + 430)) $((40 + 46 + $1 + 12)); } # y of the button in its panel
# colour_count X Y W H red|blue: pixels of a screen rectangle close to the feedback line's dark
# red 0x0000c0 (RGB 192, 0, 0) or bright blue 0xff0000 (RGB 0, 0, 255); antialiased text has
# few pixels of the exact colour.
colour_count() {
    import -window root -depth 8 -crop "$3x$4+$1+$2" txt:- | tr '(),' '   ' |
        awk -v want="$5" 'NR > 1 { r = $3; g = $4; b = $5
            if (want == "red" && r >= 150 && g <= 90 && b <= 90) n++
            if (want == "blue" && b >= 240 && r <= 60 && g <= 60) n++ } END { print n + 0 }'
}
slot() { od -v -A n -t u4 -j $((80 * $1 + 4 * $2)) -N 4 "$folder/data/scores.dat" | tr -d ' '; }
all_slots_zero() { [ -z "$(od -v -A n -t u4 -j $((80 * $1)) -N 80 "$folder/data/scores.dat" | tr -d ' 0\n')" ]; }
check() { if eval "$2"; then echo "ok: $1"; else echo "FAIL: $1"; fail=1; fi; }

wait_for none
# Per kind: button y in the exercises panel, feedback strip (x y w), exit and next buttons.
declare -A button=([0]=121 [1]=151 [2]=181 [4]=241)
declare -A strip=([0]="23 114 305" [1]="23 114 305" [2]="23 114 305" [4]="23 298 424")
declare -A exitb=([0]="298 436" [1]="300 448" [2]="300 444" [4]="403 508")
declare -A nextb=([0]="292 402" [1]="292 398" [2]="292 398" [4]="399 466")
names=([0]=meaning [1]=ON [2]=KUN [4]=grid)

for k in 0 1 2 4; do
    main_button "${button[$k]}"
    wait_for "$k" || continue
    check "${names[$k]}: opens over the disabled main window" '[ "$main_enabled" = 0 ]'
    read -r sx sy sw <<<"${strip[$k]}"
    first=$kanji
    # A wrong answer: the row below the right one (the cell to its right in the grid).
    if [ "$k" = 4 ]; then wx2=$(( ax + (ax - wx < 380 ? 40 : -40) )); wy2=$ay
    else wx2=$ax; wy2=$(( ay - wy < 145 + 128 ? ay + 32 : ay - 32 )); fi
    click "$wx2" "$wy2"; sleep 0.2
    red=$(colour_count $((wx + sx)) $((wy + sy)) "$sw" 16 red)
    blue=$(colour_count $((wx + sx)) $((wy + sy)) "$sw" 16 blue)
    check "${names[$k]}: wrong answer in dark red ($red px), no bright blue ($blue px)" '[ "$red" -ge 20 ] && [ "$blue" = 0 ]'
    check "${names[$k]}: all slots of kanji $first are 0 after the wrong answer" 'all_slots_zero "$first"'
    click "$ax" "$ay"; sleep 0.2
    blue=$(colour_count $((wx + sx)) $((wy + sy)) "$sw" 16 blue)
    check "${names[$k]}: \"Correct!\" in bright blue ($blue px)" '[ "$blue" -ge 20 ]'
    check "${names[$k]}: a late right answer scores nothing" 'all_slots_zero "$first"'
    read -r nx ny <<<"${nextb[$k]}"
    click $((wx + nx)) $((wy + ny)); wait_change
    check "${names[$k]}: Next asks another kanji" '[ "$kanji" != "$first" ]'
    click "$ax" "$ay"; sleep 0.2
    check "${names[$k]}: a first right answer sets slot $k of kanji $kanji" '[ "$(slot "$kanji" "$k")" = 1 ]'
    read -r ex ey <<<"${exitb[$k]}"
    click $((wx + ex)) $((wy + ey))
    wait_for none && check "${names[$k]}: Exit reactivates the main window" '[ "$main_enabled" = 1 ]'
done

main_button 211; sleep 0.3; read_state
check "Stroke Order Exercise: nothing opens until the strokes screens register it" '[ "$kind" = none ]'

main_button 61
for k in 0 1 2 4; do
    wait_for "$k" || break
    check "sequence: ${names[$k]} opens (step $step)" '[ "$main_enabled" = 0 ]'
    read -r ex ey <<<"${exitb[$k]}"
    click $((wx + ex)) $((wy + ey))
done
wait_for none && check "sequence: back to the main window, step -1" '[ "$step" = -1 ] && [ "$main_enabled" = 1 ]'

stop_driver

# A meaning too long for its row: hovering the row opens the popup over it (the pale yellow
# 0xf5ffff fills the row round the text); a click on the popup answers with its row.
start_driver BRUSHWISE_E2E_LONG_MEANING=1
wait_for none
main_button "${button[0]}"
if wait_for 0; then
    row_top=$((ay - 16))
    before=$(import -window root -depth 8 -crop "260x4+$((wx + 35 + 36))+$((row_top + 27))" txt:- | grep -c '#FFFFF5' || true)
    xdotool mousemove "$ax" "$ay"; sleep 0.3
    fill=$(import -window root -depth 8 -crop "260x4+$((wx + 35 + 36))+$((row_top + 27))" txt:- | grep -c '#FFFFF5' || true)
    check "popup: opens over the row ($before then $fill px of its fill)" '[ "$before" = 0 ] && [ "$fill" -ge 500 ]'
    click "$ax" "$ay"; sleep 0.2
    read -r sx sy sw <<<"${strip[0]}"
    blue=$(colour_count $((wx + sx)) $((wy + sy)) "$sw" 16 blue)
    check "popup: a click on it answers right ($blue px of bright blue)" '[ "$blue" -ge 20 ]'
    check "popup: slot 0 of kanji $kanji is set" '[ "$(slot "$kanji" 0)" = 1 ]'
fi
stop_driver
[ "$fail" = 0 ] && echo "exercises_x11: all checks passed"
exit "$fail"
