#pragma once
// What the caption bar does with the pointer, without pixels or windows: the states of the bar
// and of its glyphs, and what each input asks the window to do.
//
// Bar:    0 pointer elsewhere, 1 pointer over the bar, 2 bar pressed (the window is moving).
// Glyphs: 0 normal, 1 hovered, 2 pressed, 3 disabled (the window is inactive).
//
//   input                     | glyph states                          | result
//   move over a glyph         | that glyph 1 (from 0), the other 0    | 1, hint 17 / 13
//   move elsewhere            | both 0                                | 0
//   move while disabled       | unchanged                             | 1
//   press on a glyph          | that glyph 2                          |
//   press elsewhere on bar    | bar 2, the window starts moving       |
//   release on close glyph    | unchanged                             | 1 (close the window)
//   release elsewhere         | both 0 (minimise first when on it)    | 0
#include <QPoint>
#include <QRect>

namespace caption {
constexpr int Normal = 0;
constexpr int Hovered = 1;
constexpr int Pressed = 2;
constexpr int Disabled = 3;
constexpr int CloseHint = 17;
constexpr int MinimiseHint = 13;
} // namespace caption

struct CaptionEffects {
    int result = 0;
    bool redraw = false; // the bar's look changed
    int hint = -1;       // a hint identifier to report, -1 none
    bool start_move = false;
    bool minimise = false;
};

struct CaptionBarState {
    CaptionBarState(int width, int height, bool with_minimise);

    int width;
    int height;
    bool with_minimise;
    bool active = true;
    bool hints = true;
    int bar_state = 0;
    int close_state = caption::Normal;
    int minimise_state = caption::Normal;

    // Right and bottom edges excluded.
    QRect close_rect() const { return QRect(QPoint(width - 25, 4), QPoint(width - 7, 17)); }
    QRect minimise_rect() const { return QRect(QPoint(width - 44, 4), QPoint(width - 27, 17)); }
    bool on_close(QPoint p) const { return close_rect().contains(p); }
    bool on_minimise(QPoint p) const { return with_minimise && minimise_rect().contains(p); }
    bool on_bar(QPoint p) const { return p.y() >= 0 && p.y() < height; }

    CaptionEffects set_active(bool flag);
    CaptionEffects mouse_move(QPoint p);
    CaptionEffects mouse_down(QPoint p);
    CaptionEffects mouse_up(QPoint p);

  private:
    bool set_glyphs(int close, int minimise);
    bool set_bar(int state);
};
