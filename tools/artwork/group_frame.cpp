// The frame of a GroupFrame (7000): two columns, active at x 0 and inactive at x 14. In each,
// 13 x 13 corners at y 0, 14, 28, 42 (top-left, top-right, bottom-left, bottom-right), and at
// y 56 a 1 x 3 column that is stretched into the top and bottom edges and, 3 to the right, a
// 3 x 2 piece that is repeated down the left and right edges. The frame line runs one pixel in
// from the window's edge on every side. Everything but the line is transparent, so the pieces
// show the frame's lined background whatever rows they land on.
#include "art_palette.h"
#include "artwork.h"
#include "paint_util.h"

namespace art {
namespace {

constexpr int kWidth = 27;
constexpr int kHeight = 59;
constexpr int kCorner = 13;
constexpr int kColumnStep = 14;
constexpr int kEdgeRow = 56;
constexpr double kRadius = 5.5;

QRgb frame_line(bool active) {
    return active ? qRgb(172, 182, 214) : qRgb(224, 224, 228);
}

// One corner: the line along row 1 and column 1 of a top-left corner, mirrored for the others.
void paint_corner(QImage& image, int x, int y, bool right, bool bottom, bool active) {
    QImage piece = transparent(kCorner, kCorner);
    QPainter p;
    begin_smooth(p, piece);
    p.translate(right ? kCorner : 0, bottom ? kCorner : 0);
    p.scale(right ? -1 : 1, bottom ? -1 : 1);
    QPainterPath line;
    line.moveTo(kCorner, 1.5);
    line.lineTo(1.5 + kRadius, 1.5);
    line.arcTo(QRectF(1.5, 1.5, 2 * kRadius, 2 * kRadius), 90, 90);
    line.lineTo(1.5, kCorner);
    p.setPen(QPen(QColor::fromRgb(frame_line(active)), 1));
    p.drawPath(line);
    p.end();
    QPainter out(&image);
    out.drawImage(x, y, piece);
}

void paint_column(QImage& image, int c, bool active) {
    paint_corner(image, c, 0, false, false, active);
    paint_corner(image, c, 14, true, false, active);
    paint_corner(image, c, 28, false, true, active);
    paint_corner(image, c, 42, true, true, active);
    // The horizontal edge has the frame line in its middle row, the vertical edge in its middle
    // column.
    set_plain_pixel(image, c, kEdgeRow + 1, frame_line(active));
    set_plain_pixel(image, c + 4, kEdgeRow, frame_line(active));
    set_plain_pixel(image, c + 4, kEdgeRow + 1, frame_line(active));
}

} // namespace

QImage group_frame() {
    QImage image = transparent(kWidth, kHeight);
    paint_column(image, 0, true);
    paint_column(image, kColumnStep, false);
    return image;
}

} // namespace art
