#pragma once
// The behaviour of a Button, without pixels: input in, state and effects out.
//
//   state | meaning        | mouse enters | press | release | enable(0) | hold
//   ------+----------------+--------------+-------+---------+-----------+-----
//    -1   | disabled look  |      -       |   -   |    -    |    -1     |  2
//     0   | normal         |      1      |   2   |    1    |    -1     |  2
//     1   | hover          |      -       |   2   |    1    |    -1     |  2
//     2   | pressed        |      -       |   -   |    1    |    -1     |  2
// Leaving returns an enabled, not held button to 0; enable(1) and the end of a hold give 0.
// A held button ignores press, release and hover.
#include <QPoint>
#include <QRect>
#include <QSize>
#include <cstdint>

// What the control must do after an input, in the order the members are listed.
struct ButtonEffects {
    bool play_press_cue = false;
    bool play_release_cue = false;
    bool repaint = false;
    bool pump = false;
    bool start_hover_timer = false;
    bool stop_hover_timer = false;
    bool close_popup = false;
    bool open_popup = false;
    int hint = -1; // hint identifier to report, -1 none
    bool call_on_press = false;
    bool stop_blink_timer = false;
    bool start_blink_timer = false;
    bool call_on_click = false;
};

class ButtonBehaviour {
  public:
    static constexpr int kPopupDelayMs = 1000;
    static constexpr int kStillRadius = 5;

    // Configuration.
    bool has_explanation = false;
    bool has_on_click = false;
    bool sound = true;
    int hint_id = -1;

    // State.
    int state = 0; // -1 disabled look, 0 normal, 1 hover, 2 pressed
    bool enabled = true;
    bool held = false;
    bool shown_active = true;
    bool has_focus = false;
    int blink = 0; // 0 off, 1 normal phase, 2 bright phase
    bool popup_open = false;
    bool popup_done = false;
    QRect still_rect;         // empty: the mouse is not resting anywhere
    int64_t still_since = -1; // ms; -1 while not hovering

    ButtonEffects mouse_move();
    // The 10 ms hover timer: `cursor` in button coordinates, `now` in milliseconds.
    ButtonEffects hover_tick(QPoint cursor, int64_t now, QSize size);
    ButtonEffects leave();
    ButtonEffects press();
    ButtonEffects release();
    // Enter: begin returns false when the button is already pressed; the control shows the
    // pressed face for a moment, then calls enter_end.
    bool enter_begin();
    ButtonEffects enter_end();
    ButtonEffects blink_tick();
    ButtonEffects enable(bool flag);
    // -1 holds until released, 0 releases, a positive value holds for that many ms (the control
    // runs the timer), other negative values hold without a timer.
    ButtonEffects hold(int ms);
    ButtonEffects attention(bool flag);
    // Focus arriving: false when the button is disabled and passes the focus on.
    bool focus_in();
    void focus_out() { has_focus = false; }
};

// A swatch colour as shown under the mouse: its largest channel (ties to red, then green)
// becomes 245, the other two lose 50.
uint32_t brightened_swatch(uint32_t colour);
