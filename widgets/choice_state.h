#pragma once
// The behaviour of CheckBox and RadioButton, without pixels, and the wrapping of their captions.
//
// value: 0 unchecked, 1 unchecked and pressed, 2 checked, 3 checked and pressed.
//
//   check box | press | release | leave while pressed | Space or Enter
//   ----------+-------+---------+---------------------+---------------
//       0     |   1   |    2    |          -          |       2
//       1     |   -   |    2    |          0          |       2
//       2     |   3   |    0    |          -          |       0
//       3     |   -   |    0    |          2          |       2
// A radio button goes 0 -> 1 (press) -> 2 (release, reported) and back to 0 only when its owner
// clears it; a press and release on a selected radio button report nothing.
#include <QString>
#include <functional>

struct ChoiceEffects {
    bool repaint = false;
    bool start_hover_timer = false;
    bool stop_hover_timer = false;
    bool end_other_hover = false; // only one control of a kind is hover-tracked at a time
    bool take_focus = false;
    bool beep = false;
    bool notify = false; // on_change / on_select
    int hint = -1;
};

struct CheckBoxBehaviour {
    int value = 0;
    bool hovered = false;
    bool enabled = true;
    bool locked = false; // ignores the mouse, draws pale
    bool greyed = false; // draws very pale, ignores hover
    bool has_focus = false;
    int hint_id = -1;

    bool checked() const { return value == 2; }
    ChoiceEffects mouse_move();
    // The hover timer found the pointer outside: a press in progress is cancelled.
    ChoiceEffects end_hover();
    ChoiceEffects press();
    ChoiceEffects release();
    ChoiceEffects toggle_key(); // Space or Enter
    bool focus_in();            // false: disabled, the focus moves on
};

struct RadioBehaviour {
    int value = 0;
    bool hovered = false;
    bool enabled = true;

    bool selected() const { return value >= 2; }
    ChoiceEffects mouse_move();
    ChoiceEffects end_hover();
    ChoiceEffects press();
    ChoiceEffects release();
};

// A caption on one or two lines.
struct CaptionLines {
    QString first;
    QString second; // empty: one line
    int break_index = 0;
    bool wrapped() const { return !second.isEmpty(); }
};

// Wraps `caption` at the last space before the first prefix wider than `threshold`; without
// such a space, before the last character that fits. A caption that fits stays on one line.
CaptionLines wrap_caption(const QString& caption, int threshold,
                          const std::function<int(const QString&)>& measure);
