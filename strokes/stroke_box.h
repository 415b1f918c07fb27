#pragma once
// A stroke screen's box window (practice box, review kanji display, exercise display): it paints
// by copying its canvas, which an animation worker may be drawing into, and reports left-button
// presses, moves and releases in its own coordinates.
#include "stroke_canvas.h"

#include <QWidget>
#include <functional>

class StrokeBox : public QWidget {
    Q_OBJECT

  public:
    using PointerHandler = std::function<void(int x, int y)>;

    StrokeBox(QWidget* parent, int x, int y, int w, int h);
    StrokeCanvas& canvas() { return canvas_; }

    PointerHandler on_press;   // left button down
    PointerHandler on_move;    // any pointer move over the box (or while the left button is down)
    PointerHandler on_release; // left button up

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    StrokeCanvas canvas_;
};
