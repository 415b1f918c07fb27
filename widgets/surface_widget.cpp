#include "surface_widget.h"

#include <QPaintEvent>
#include <QPainter>

SurfaceWidget::SurfaceWidget(QWidget* parent, int w, int h) : QWidget(parent), surface_(w, h) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setFixedSize(w, h);
}

void SurfaceWidget::refresh() {
    render();
    update();
}

void SurfaceWidget::destroy() {
    hide();
    deleteLater();
}

void SurfaceWidget::resize_surface(int w, int h) {
    surface_.resize(w, h);
    setFixedSize(w, h);
}

void SurfaceWidget::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    paint_surface_part(p, surface_, event->rect());
}
