#pragma once
// CaptionBar: the program's own title bar, drawn by every top-level window in its top 20
// pixels: icon, title, close glyph and, on the main window, a minimise glyph. Pressing the bar
// moves the window (the platform's own move), which turns translucent while it moves. The main
// window is the one with the minimise glyph; it never turns translucent.
//
// The bar is not a window of its own: the owner forwards its mouse moves, left presses, left
// releases and the end of a move, and draws the bar from its paint with draw().
#include "caption_bar_state.h"
#include "surface.h"

#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

class CaptionBar {
  public:
    static constexpr double kMovingOpacity = 164 / 255.0;

    static std::unique_ptr<CaptionBar> create(QWidget* window, int width, int height,
                                              const QString& title, bool with_minimise);

    // 0: both glyphs disabled and the title pale; 1: glyphs normal. Repaints the whole bar.
    void set_active(bool flag);
    // Whether hovering the glyphs reports hint identifiers (the message box turns it off).
    void set_hints(bool flag) { state_.hints = flag; }
    // Copies the bar into the owner's surface at (0, 0).
    void draw(Surface& surface) const;
    // Called whenever the bar's look changed; by default the bar's part of the window is
    // repainted. An owner that paints from its own surface draws the bar into it here.
    void set_on_change(std::function<void()> on_change) { on_change_ = std::move(on_change); }

    // 1 when over a glyph or while the glyphs are disabled (the owner then shows no hint of its
    // own), else 0.
    int mouse_move(QPoint point);
    void mouse_down(QPoint point);
    // 1 when released over the close glyph: the owner closes the window.
    int mouse_up(QPoint point);
    // The move has ended: the window is opaque again.
    void end_drag();

    const CaptionBarState& state() const { return state_; }
    bool moving() const { return moving_; }
    const QString& title() const { return title_; }
    const Surface& image() const { return bar_; }

    // Paints a bar in the given state (width x height of `s`).
    static void paint(Surface& s, const CaptionBarState& state, const QString& title);

  private:
    CaptionBar(QWidget* window, int width, int height, const QString& title, bool with_minimise);
    void apply(const CaptionEffects& fx);
    void start_move(QPoint point);
    void follow_pointer(QPoint point);

    QPointer<QWidget> window_;
    CaptionBarState state_;
    QString title_;
    Surface bar_;
    std::function<void()> on_change_;
    bool moving_ = false;
    bool own_move_ = false; // the platform could not move the window: the bar moves it
    QPoint grab_offset_;    // pointer position relative to the window while it moves
};
