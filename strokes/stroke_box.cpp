#include "stroke_box.h"

#include <QMouseEvent>
#include <QPainter>

StrokeBox::StrokeBox(QWidget* parent, int x, int y, int w, int h) : QWidget(parent), canvas_(w, h) {
    setGeometry(x, y, w, h);
    setAttribute(Qt::WA_OpaquePaintEvent); // the canvas covers every pixel
    setMouseTracking(true);
}

void StrokeBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    canvas_.paint_to(p);
}

namespace {

void report(const StrokeBox::PointerHandler& handler, QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (handler) handler(at.x(), at.y());
}

} // namespace

void StrokeBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) report(on_press, event);
}

void StrokeBox::mouseMoveEvent(QMouseEvent* event) {
    report(on_move, event);
}

void StrokeBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) report(on_release, event);
}
