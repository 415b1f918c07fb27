#include "choice_state.h"

namespace {

ChoiceEffects start_hover() {
    ChoiceEffects fx;
    fx.repaint = fx.start_hover_timer = fx.end_other_hover = true;
    return fx;
}

// A press in progress (1 or 3) drops back to its settled value.
int settle(int value) {
    return value == 1 || value == 3 ? value - 1 : value;
}

} // namespace

ChoiceEffects CheckBoxBehaviour::mouse_move() {
    if (hovered || !enabled || locked || greyed) return {};
    hovered = true;
    ChoiceEffects fx = start_hover();
    fx.hint = hint_id;
    return fx;
}

ChoiceEffects CheckBoxBehaviour::end_hover() {
    ChoiceEffects fx;
    fx.stop_hover_timer = fx.repaint = true;
    hovered = false;
    value = settle(value);
    return fx;
}

ChoiceEffects CheckBoxBehaviour::press() {
    ChoiceEffects fx;
    if (!enabled || locked) {
        fx.beep = true;
        return fx;
    }
    if (value == 0 || value == 2) ++value;
    fx.repaint = fx.take_focus = true;
    return fx;
}

ChoiceEffects CheckBoxBehaviour::release() {
    ChoiceEffects fx;
    if (!enabled || locked) return fx;
    value = value >= 2 ? 0 : 2;
    fx.repaint = fx.notify = true;
    return fx;
}

ChoiceEffects CheckBoxBehaviour::toggle_key() {
    value = value == 2 ? 0 : 2;
    ChoiceEffects fx;
    fx.repaint = fx.notify = true;
    return fx;
}

bool CheckBoxBehaviour::focus_in() {
    if (!enabled) return false;
    has_focus = true;
    return true;
}

ChoiceEffects RadioBehaviour::mouse_move() {
    if (hovered || !enabled) return {};
    hovered = true;
    return start_hover();
}

ChoiceEffects RadioBehaviour::end_hover() {
    ChoiceEffects fx;
    fx.stop_hover_timer = fx.repaint = true;
    hovered = false;
    value = settle(value);
    return fx;
}

ChoiceEffects RadioBehaviour::press() {
    ChoiceEffects fx;
    if (!enabled) {
        fx.beep = true;
        return fx;
    }
    if (value == 0 || value == 2) ++value;
    fx.repaint = fx.take_focus = true;
    return fx;
}

ChoiceEffects RadioBehaviour::release() {
    ChoiceEffects fx;
    if (!enabled || value >= 2) return fx;
    value = 2;
    fx.repaint = fx.notify = true;
    return fx;
}

CaptionLines wrap_caption(const QString& caption, int threshold,
                          const std::function<int(const QString&)>& measure) {
    CaptionLines lines;
    lines.first = caption;
    int last_space = 0;
    for (qsizetype n = 1; n <= caption.size(); ++n) {
        if (caption[n - 1] == u' ') last_space = int(n - 1);
        if (measure(caption.left(n)) <= threshold) continue;
        if (last_space > 0) {
            lines.break_index = last_space;
            lines.first = caption.left(last_space);
            lines.second = caption.mid(last_space + 1);
        } else if (n > 1) {
            // No space before the overflow: break before the character that does not fit.
            lines.break_index = int(n - 1);
            lines.first = caption.left(n - 1);
            lines.second = caption.mid(n - 1);
        }
        break;
    }
    return lines;
}
