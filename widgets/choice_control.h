#pragma once
// What CheckBox and RadioButton share: sizing to a caption that may wrap onto a second line,
// the background taken from the panel behind, and hover tracking with a 10 ms timer.
#include "choice_state.h"
#include "surface_widget.h"

#include <QBasicTimer>
#include <QPointer>

class ChoiceControl : public SurfaceWidget {
    Q_OBJECT

  public:
    static FontSpec caption_font(bool underline = false);
    const CaptionLines& caption_lines() const { return lines_; }
    // Draws the caption's lines with their left at x.
    static void draw_caption(Surface& s, const CaptionLines& lines, ColorRef colour, bool underline,
                             int x);

    struct Metrics {
        int caption_margin; // added to the caption width
        int wrap_margin;    // the wrap threshold is max_width less this
    };

  protected:
    struct Size {
        int width, height;
        CaptionLines lines;
    };
    // The size of a control for its caption; -1 for no width limit.
    static Size size_for(const QString& caption, int max_width, Metrics m);

    ChoiceControl(QWidget* parent, const Size& size);
    // The background: the area at `at` of the parent's painted background, or white with lines
    // from `first_line` every 2 pixels when `lined` (no background given).
    void take_background(const Surface* background, QPoint at, bool lined, int first_line);
    void set_background_lines(bool lined, int first_line);
    void start_hover(QPointer<ChoiceControl>& hovered_of_kind);
    void stop_hover(QPointer<ChoiceControl>& hovered_of_kind);
    // The hover timer found the pointer outside.
    virtual void hover_ended() = 0;
    void timerEvent(QTimerEvent* event) override;
    static void beep();

    Surface background_;
    CaptionLines lines_;
    QBasicTimer hover_timer_;
};

// The caption's second line is this much lower than the first.
constexpr int kChoiceSecondLine = 14;
