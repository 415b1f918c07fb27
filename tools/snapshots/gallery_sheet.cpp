#include "gallery_sheet.h"

#include "drawing.h"
#include "palette.h"

#include <QCoreApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QThread>
#include <algorithm>

namespace {
constexpr int kMargin = 10;
constexpr int kLabelHeight = 16;
constexpr int kLabelSize = 11;
} // namespace

void GallerySheet::add(const QString& label, const QImage& picture) {
    entries_.push_back({label, picture});
}

// Grabbed from the window, so that what the parent paints under the control shows. The control
// must be the topmost at its place.
void GallerySheet::add(const QString& label, QWidget& widget) {
    QWidget* top = widget.window();
    add(label, top->grab(QRect(widget.mapTo(top, QPoint(0, 0)), widget.size())).toImage());
}

QImage GallerySheet::image() const {
    int cell_w = 120, cell_h = 0;
    for (const Entry& e : entries_) {
        cell_w = std::max(cell_w, e.picture.width());
        cell_h = std::max(cell_h, e.picture.height());
    }
    cell_w += kMargin;
    cell_h += kLabelHeight + kMargin;
    const int rows = (int(entries_.size()) + columns_ - 1) / columns_;
    Surface s(kMargin + columns_ * cell_w, kMargin + rows * cell_h);
    draw_lined_background(s, 0, 0, s.width(), s.height(), true);
    for (size_t i = 0; i < entries_.size(); ++i) {
        const int x = kMargin + int(i % columns_) * cell_w;
        const int y = kMargin + int(i / columns_) * cell_h;
        draw_label(s, x - 2, y, entries_[i].label, kLabelSize, LabelTahoma, true);
        const QImage& pic = entries_[i].picture;
        s.blit(x, y + kLabelHeight, pic, 0, 0, pic.width(), pic.height());
    }
    return s.image();
}

void settle(int ms) {
    QElapsedTimer t;
    t.start();
    do {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    } while (t.elapsed() < ms);
}

QString run_folder() {
    const QString env = qEnvironmentVariable("BRUSHWISE_RUN_DIR");
    return env.isEmpty() ? QStringLiteral(BRUSHWISE_DEFAULT_RUN_DIR) : env;
}

void send_mouse(QWidget* w, QEvent::Type type, QPoint pos) {
    // Hover timers ask where the cursor is: put it there. (Not on a scaled screen: there the
    // offscreen platform answers a moved cursor with a move of its own to a wrong place.)
    if (type == QEvent::MouseMove && w->devicePixelRatioF() == 1.0)
        QCursor::setPos(w->mapToGlobal(pos));
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent event(type, QPointF(pos), w->mapToGlobal(QPointF(pos)), button, held,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(w, &event);
}
