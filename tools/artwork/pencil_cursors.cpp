// The pencil cursors of the stroke order practice, 32 x 32 with alpha: idle, drawing (the same
// pencil a little lower and further left) and refused (inside a prohibition circle). The
// pencil's point lies on the cursor's hot spot.
#include "art_palette.h"
#include "artwork.h"
#include "cursor_hotspots.h"
#include "paint_util.h"

#include <iterator>

namespace art {
namespace {

// The pencil along its own axis: x from the point (0) to the eraser's end, y across.
constexpr double kLength = 30, kHalf = 3.6;
constexpr double kPointEnd = 3.2, kConeEnd = 8.5, kBodyEnd = 22.5, kFerruleEnd = 25.5;

QPainterPath outline_path() {
    QPainterPath path;
    path.moveTo(0, 0);
    path.lineTo(kConeEnd, -kHalf);
    path.lineTo(kLength - 1.5, -kHalf);
    path.quadTo(kLength, -kHalf, kLength, 0);
    path.quadTo(kLength, kHalf, kLength - 1.5, kHalf);
    path.lineTo(kConeEnd, kHalf);
    path.closeSubpath();
    return path;
}

void fill_band(QPainter& p, double from, double to, QRgb colour) {
    p.fillRect(QRectF(from, -kHalf, to - from, 2 * kHalf), QColor::fromRgb(colour));
}

void paint_pencil(QPainter& p, QPointF tip) {
    p.save();
    p.translate(tip);
    p.rotate(-45);
    const QPainterPath outline = outline_path();
    p.setPen(QPen(QColor(255, 255, 255, 230), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(outline); // a halo that keeps the pencil visible on dark ink
    p.setClipPath(outline);
    fill_band(p, 0, kConeEnd, qRgb(238, 210, 166));      // bare wood
    fill_band(p, 0, kPointEnd, qRgb(60, 60, 72));        // graphite
    fill_band(p, kConeEnd, kBodyEnd, qRgb(44, 74, 178)); // the body, in the program's blue
    p.fillRect(QRectF(kConeEnd, -kHalf, kBodyEnd - kConeEnd, 2.2), QColor(110, 140, 230));
    fill_band(p, kBodyEnd, kFerruleEnd, qRgb(196, 198, 208)); // metal band
    fill_band(p, kFerruleEnd, kLength, qRgb(232, 150, 160));  // eraser
    p.setClipping(false);
    p.setPen(QPen(QColor::fromRgb(kInk), 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(outline);
    p.restore();
}

void paint_prohibition(QPainter& p) {
    const QPointF centre(17, 15);
    const double r = 11.5;
    QPen pen(QColor(255, 255, 255, 230), 5.2);
    for (int pass = 0; pass < 2; ++pass) {
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(centre, r, r);
        p.drawLine(centre + QPointF(-r * 0.7, -r * 0.7), centre + QPointF(r * 0.7, r * 0.7));
        pen = QPen(QColor::fromRgb(kWarningRed), 2.8);
    }
}

} // namespace

QImage pencil_cursor(int which) {
    QImage image = transparent(kCursorSize, kCursorSize);
    if (which < 0 || which >= int(std::size(kPencilCursors))) return image;
    QPainter p;
    begin_smooth(p, image);
    const CursorSpot& spot = kPencilCursors[which];
    paint_pencil(p, QPointF(spot.x + 0.5, spot.y + 0.5));
    if (which == 2) paint_prohibition(p);
    return image;
}

} // namespace art
