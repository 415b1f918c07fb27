#include "button_state.h"

#include <algorithm>

ButtonEffects ButtonBehaviour::mouse_move() {
    ButtonEffects fx;
    const int before = state;
    if (!held && enabled && state == 0) {
        state = 1;
        fx.repaint = fx.pump = fx.start_hover_timer = true;
    }
    if ((before == 0 || !enabled) && hint_id != -1) fx.hint = hint_id;
    return fx;
}

ButtonEffects ButtonBehaviour::hover_tick(QPoint cursor, int64_t now, QSize size) {
    ButtonEffects fx;
    if (!still_rect.contains(cursor)) {
        fx.close_popup = popup_open;
        popup_open = false;
        still_rect = QRect(QPoint(cursor.x() - kStillRadius, cursor.y() - kStillRadius),
                           QPoint(cursor.x() + kStillRadius - 1, cursor.y() + kStillRadius - 1));
        still_since = now;
    } else if (has_explanation && !popup_done && still_since + kPopupDelayMs < now && !popup_open) {
        popup_done = popup_open = true;
        fx.open_popup = true;
    }
    if (!QRect(QPoint(0, 0), size).contains(cursor)) {
        still_since = -1;
        still_rect = QRect();
        ButtonEffects left = leave();
        left.close_popup = left.close_popup || fx.close_popup;
        return left;
    }
    return fx;
}

ButtonEffects ButtonBehaviour::leave() {
    ButtonEffects fx;
    fx.close_popup = popup_open;
    popup_open = false;
    popup_done = false;
    fx.stop_hover_timer = true;
    if (hint_id != -1) fx.hint = 1; // the general topic
    if (enabled && !held) {
        state = 0;
        fx.repaint = true;
    }
    return fx;
}

ButtonEffects ButtonBehaviour::press() {
    ButtonEffects fx;
    if (!enabled || !shown_active || held) return fx;
    fx.play_press_cue = sound;
    state = 2;
    fx.repaint = true;
    popup_done = true;
    fx.close_popup = popup_open;
    popup_open = false;
    fx.call_on_press = true;
    fx.stop_blink_timer = blink != 0;
    return fx;
}

ButtonEffects ButtonBehaviour::release() {
    ButtonEffects fx;
    if (!enabled || held) return fx;
    fx.play_release_cue = sound;
    state = 1;
    fx.repaint = true;
    if (has_on_click) {
        fx.stop_blink_timer = true;
        blink = 0;
        fx.call_on_click = true;
    }
    return fx;
}

bool ButtonBehaviour::enter_begin() {
    if (state == 2) return false;
    state = 2;
    return true;
}

ButtonEffects ButtonBehaviour::enter_end() {
    ButtonEffects fx;
    state = 0;
    fx.repaint = fx.pump = true;
    if (has_on_click) {
        fx.stop_blink_timer = true;
        blink = 0;
        fx.call_on_click = true;
    }
    return fx;
}

ButtonEffects ButtonBehaviour::blink_tick() {
    ButtonEffects fx;
    if (state == 1 || state == 2) return fx;
    blink = blink == 2 ? 1 : 2;
    fx.repaint = true;
    return fx;
}

ButtonEffects ButtonBehaviour::enable(bool flag) {
    enabled = flag;
    state = flag ? 0 : -1;
    ButtonEffects fx;
    fx.repaint = true;
    return fx;
}

ButtonEffects ButtonBehaviour::hold(int ms) {
    if (ms == 0) {
        held = false;
        enabled = true;
        state = 0;
    } else {
        held = true;
        state = 2;
    }
    ButtonEffects fx;
    fx.repaint = true;
    return fx;
}

ButtonEffects ButtonBehaviour::attention(bool flag) {
    ButtonEffects fx;
    if (flag) {
        enabled = true;
        if (state == -1) state = 0; // an enabled button never keeps the disabled look
        if (blink == 0) {
            blink = 1;
            fx.start_blink_timer = true;
        }
    } else {
        blink = 0;
        fx.stop_blink_timer = true;
    }
    fx.repaint = true;
    return fx;
}

bool ButtonBehaviour::focus_in() {
    if (!enabled) return false;
    has_focus = true;
    return true;
}

uint32_t brightened_swatch(uint32_t colour) {
    int ch[3] = {int(colour & 0xff), int((colour >> 8) & 0xff), int((colour >> 16) & 0xff)};
    int largest = 0;
    for (int i = 1; i < 3; ++i)
        if (ch[i] > ch[largest]) largest = i; // strict: ties stay with the earlier channel
    for (int i = 0; i < 3; ++i)
        ch[i] = i == largest ? 245 : std::max(ch[i] - 50, 0);
    return uint32_t(ch[0]) | (uint32_t(ch[1]) << 8) | (uint32_t(ch[2]) << 16);
}
