#include "caption_bar_state.h"

CaptionBarState::CaptionBarState(int w, int h, bool minimise)
    : width(w), height(h), with_minimise(minimise) {}

bool CaptionBarState::set_glyphs(int close, int minimise) {
    const bool changed = close != close_state || minimise != minimise_state;
    close_state = close;
    minimise_state = minimise;
    return changed;
}

bool CaptionBarState::set_bar(int state) {
    const bool changed = state != bar_state;
    bar_state = state;
    return changed;
}

CaptionEffects CaptionBarState::set_active(bool flag) {
    active = flag;
    const int glyphs = flag ? caption::Normal : caption::Disabled;
    set_glyphs(glyphs, glyphs);
    return {.redraw = true};
}

CaptionEffects CaptionBarState::mouse_move(QPoint p) {
    CaptionEffects fx;
    if (close_state == caption::Disabled) {
        fx.result = 1;
        return fx;
    }
    fx.redraw = set_bar(on_bar(p) ? 1 : 0);
    if (on_close(p)) {
        if (close_state == caption::Normal)
            fx.redraw |= set_glyphs(caption::Hovered, caption::Normal);
        fx.hint = hints ? caption::CloseHint : -1;
        fx.result = 1;
    } else if (on_minimise(p)) {
        if (minimise_state == caption::Normal)
            fx.redraw |= set_glyphs(caption::Normal, caption::Hovered);
        fx.hint = hints ? caption::MinimiseHint : -1;
        fx.result = 1;
    } else {
        fx.redraw |= set_glyphs(caption::Normal, caption::Normal);
    }
    return fx;
}

CaptionEffects CaptionBarState::mouse_down(QPoint p) {
    CaptionEffects fx;
    if (on_close(p)) {
        if (close_state != caption::Disabled)
            fx.redraw = set_glyphs(caption::Pressed, minimise_state);
    } else if (on_minimise(p)) {
        if (minimise_state != caption::Disabled)
            fx.redraw = set_glyphs(close_state, caption::Pressed);
    } else if (on_bar(p)) {
        fx.redraw = set_bar(2);
        fx.start_move = true;
    }
    return fx;
}

CaptionEffects CaptionBarState::mouse_up(QPoint p) {
    CaptionEffects fx;
    fx.redraw = set_bar(on_bar(p) ? 1 : 0);
    if (on_close(p)) {
        fx.result = 1;
        return fx;
    }
    fx.minimise = on_minimise(p);
    if (close_state != caption::Disabled) fx.redraw |= set_glyphs(caption::Normal, caption::Normal);
    return fx;
}
