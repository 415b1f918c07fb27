#include "stroke_canvas.h"

void StrokeCanvas::paint_to(QPainter& p, int x, int y) const {
    std::lock_guard<std::mutex> hold(mutex_);
    p.drawImage(QPoint(x, y), surface_.image());
}

QImage StrokeCanvas::snapshot() const {
    std::lock_guard<std::mutex> hold(mutex_);
    return surface_.image().copy();
}
