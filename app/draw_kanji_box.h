#pragma once
// The drawing box of the Draw a Kanji window: the user draws strokes into it with the left
// button held, in dark red ink on the sunken box, under the pencil cursors. The box keeps the
// strokes as drawn and tells its owner whenever they change (a stroke ended, taken back, or
// all cleared). It takes at most kMaxStrokes strokes; further presses are refused.
#include "kanji_recogniser.h"
#include "practice_cursors.h"
#include "surface_widget.h"

#include <functional>

class DrawKanjiBox : public SurfaceWidget {
    Q_OBJECT

  public:
    static constexpr int kSize = 260;
    static constexpr int kMaxStrokes = 30;
    static constexpr ColorRef kInkColour = RGB(164, 0, 0);
    static constexpr int kInkWidth = 12;
    static constexpr size_t kMaxPoints = 5000; // per stroke; later moves are not kept

    DrawKanjiBox(QWidget* parent, int x, int y, std::function<void()> on_change);

    const Ink& ink() const { return ink_; }
    bool drawing() const { return drawing_; }
    // Takes back the last stroke (a stroke still being drawn counts as the last).
    void undo_stroke();
    void clear();

  protected:
    void render() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void end_stroke();
    void draw_dot(InkPoint p);
    void draw_segment(InkPoint from, InkPoint to);
    void show_cursor();

    Ink ink_;
    bool drawing_ = false;
    PracticeCursors cursors_;
    std::function<void()> on_change_;
};
