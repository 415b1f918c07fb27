#include "frameless_window.h"

#include "drawing.h"
#include "palette.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWindow>

FramelessWindow::FramelessWindow(QWidget* owner, int w, int h, const QString& title,
                                 bool with_minimise)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), surface_(w, h),
      caption_(CaptionBar::create(this, w, metrics::CaptionBarHeight, title, with_minimise)),
      owner_(owner) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setFixedSize(w, h);
    setWindowTitle(title);
    setMouseTracking(true);
    caption_->set_on_change([this] {
        draw_frame();
        update(0, 0, width(), metrics::CaptionBarHeight);
    });
    follow_owner();
}

void FramelessWindow::follow_owner() {
    if (!owner_) return;
    QWidget* top = owner_->window();
    top->winId(); // both windows need their platform windows for the relation
    winId();
    if (QWindow* handle = windowHandle()) handle->setTransientParent(top->windowHandle());
}

FramelessWindow::~FramelessWindow() = default;

void FramelessWindow::refresh() {
    render(surface_);
    draw_frame();
    update();
}

void FramelessWindow::drop_focus() {
    if (QWidget* focused = focusWidget()) focused->clearFocus();
}

void FramelessWindow::draw_frame() {
    caption_->draw(surface_);
    draw_window_border(surface_, light_border_);
}

void FramelessWindow::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    paint_surface_part(p, surface_, event->rect());
}

void FramelessWindow::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (caption_->mouse_move(pos) == 0) unclaimed_mouse_move(pos);
}

void FramelessWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) caption_->mouse_down(event->position().toPoint());
}

void FramelessWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    if (caption_->mouse_up(event->position().toPoint()) == 1) close_glyph_clicked();
}
